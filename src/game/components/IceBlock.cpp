#include "game/components/IceBlock.h"

#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(IceBlock)

ORVEX_MEMBERS(IceBlock) {}

void IceBlock::Init()
{
    RequireComponent<RigidBody>();
    Subscribe(MSG_COLLISION, &IceBlock::OnCollision);
}

void IceBlock::OnCollision(const void* payload)
{
    const Entity* other = static_cast<const CollisionMessage*>(payload)->Other;
    const RigidBody* pusher = other ? other->Get<RigidBody>() : nullptr;
    if (RigidBody* body = owner->Get<RigidBody>(); body && pusher)
        body->velocity += pusher->velocity;
}
} // namespace Orvex
