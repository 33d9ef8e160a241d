#include "game/components/Rotate.h"

#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Rotate)

ORVEX_MEMBERS(Rotate)
{
    ORVEX_FIELD(rotSpeed, "RotSpeed");
}

void Rotate::Update(float dt)
{
    if (Transform* transform = owner->Get<Transform>())
        transform->rotation += rotSpeed * dt;
}
} // namespace Orvex
