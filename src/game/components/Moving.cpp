#include "game/components/Moving.h"

#include "actions/Action.h"
#include "actions/Ease.h"
#include "game/components/Activator.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Moving)

ORVEX_MEMBERS(Moving)
{
    ORVEX_FIELD(posNew, "PosNew");
    ORVEX_FIELD(time, "Time");
}

void Moving::Init()
{
    RequireComponent<Transform>();
    Subscribe(MSG_SET_ACTIVE, &Moving::OnSetActive);
}

void Moving::OnSetActive(const void* payload)
{
    if (SetActiveTarget(payload) != owner)
        return;
    if (Transform* transform = owner->Get<Transform>())
        AddAction(*owner, &transform->position, posNew, time, QuadInOut);
}
} // namespace Orvex
