#include "game/components/CollideTeleport.h"

#include "game/components/Touch.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CollideTeleport)

ORVEX_MEMBERS(CollideTeleport)
{
    ORVEX_FIELD(newPos, "NewPos");
}

void CollideTeleport::Init() { Subscribe(MSG_COLLISION, &CollideTeleport::OnCollision); }

void CollideTeleport::OnCollision(const void* payload)
{
    if (Entity* player = PlayerToucher(payload))
        if (Transform* transform = player->Get<Transform>())
            transform->position = newPos;
}
} // namespace Orvex
