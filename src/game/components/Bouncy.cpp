#include "game/components/Bouncy.h"

#include "engine/Engine.h"
#include "messaging/Message.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Bouncy)

ORVEX_MEMBERS(Bouncy)
{
    ORVEX_FIELD(scale, "Scale");
}

void Bouncy::Init()
{
    RequireCollider();
    Subscribe(MSG_COLLISION, &Bouncy::OnCollision);
}

void Bouncy::OnCollision(const void* payload)
{
    Entity* other = static_cast<const CollisionMessage*>(payload)->Other;
    Engine::Get()->Send(MSG_BOUNCE, BounceMessage{other, scale});
}
} // namespace Orvex
