#include "game/components/ObjectController.h"

#include "engine/Math.h"
#include "messaging/Input.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ObjectController)

ORVEX_MEMBERS(ObjectController)
{
    ORVEX_FIELD(speed, "Speed");
}

namespace
{
constexpr unsigned KeyUp = 82, KeyDown = 81, KeyRight = 79, KeyLeft = 80, KeySpace = 44, KeyR = 21;

float Held(unsigned key) { return Input::KeyHeld(key) ? 1.0f : 0.0f; }
} // namespace

void ObjectController::Init()
{
    RequireComponent<Transform>();
    RequireComponent<RigidBody>();
    Subscribe(MSG_KEYDOWN, &ObjectController::OnKeyDown);
}

void ObjectController::Update(float dt)
{
    RigidBody* body = owner->Get<RigidBody>();
    Transform* transform = owner->Get<Transform>();
    if (!body || !transform)
        return;
    body->velocity += speed * dt * tvec2(Held(KeyRight) - Held(KeyLeft), Held(KeyUp) - Held(KeyDown));
    transform->rotation += Pi * dt * Held(KeySpace);
}

void ObjectController::OnKeyDown(const void* payload)
{
    if (static_cast<const KeyMessage*>(payload)->scancode == KeyR)
        if (RigidBody* body = owner->Get<RigidBody>())
            body->velocity = tvec2(0.0f);
}
} // namespace Orvex
