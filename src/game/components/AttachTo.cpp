#include "game/components/AttachTo.h"

#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(AttachTo)

ORVEX_MEMBERS(AttachTo)
{
    ORVEX_FIELD(objectName, "ObjectName");
}

void AttachTo::Init() { RequireComponent<Transform>(); }

void AttachTo::Update(float)
{
    const Entity* target = FindInActiveState(objectName);
    const Transform* targetTransform = target ? target->Get<Transform>() : nullptr;
    if (Transform* transform = owner->Get<Transform>(); transform && targetTransform)
        transform->position = targetTransform->position;
}
} // namespace Orvex
