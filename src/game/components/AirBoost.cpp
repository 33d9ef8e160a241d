#include "game/components/AirBoost.h"

#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(AirBoost)

ORVEX_MEMBERS(AirBoost)
{
    ORVEX_FIELD(boost, "Boost");
}

namespace
{
constexpr unsigned KeyQ = 20, KeyE = 8;
} // namespace

void AirBoost::Init()
{
    RequireComponent<RigidBody>();
    RequireComponent<Transform>();
    Subscribe(MSG_KEYDOWN, &AirBoost::OnKeyDown);
}

void AirBoost::OnKeyDown(const void* payload)
{
    const unsigned key = static_cast<const KeyMessage*>(payload)->scancode;
    RigidBody* body = owner->Get<RigidBody>();
    if (!body)
        return;
    if (key == KeyQ)
        body->velocity.x -= boost;
    else if (key == KeyE)
        body->velocity.x += boost;
}
} // namespace Orvex
