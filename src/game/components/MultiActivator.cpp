#include "game/components/MultiActivator.h"

#include "game/components/Activator.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(MultiActivator)

ORVEX_MEMBERS(MultiActivator)
{
    ORVEX_FIELD(activationsUntilActivate, "ActivationsUntilActivate");
}

void MultiActivator::Init()
{
    RequireComponent<Activator>();
    Subscribe(MSG_SET_ACTIVE, &MultiActivator::OnSetActive);
}

void MultiActivator::OnSetActive(const void* payload)
{
    if (SetActiveTarget(payload) != owner)
        return;
    // Exactly at the target, so later activations do nothing.
    if (++activations == activationsUntilActivate)
        if (Activator* activator = owner->Get<Activator>())
            activator->Activate();
}
} // namespace Orvex
