#include "game/components/Patrol.h"

#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Patrol)

ORVEX_MEMBERS(Patrol)
{
    ORVEX_FIELD(target, "target");
    ORVEX_FIELD(travelTimeX, "travelTimeX");
    ORVEX_FIELD(travelTimeY, "travelTimeY");
}

float Patrol::Leg::Advance(float current, float start, float target, float travel, float dt)
{
    timer += dt;
    // Past the end (or a leg of no time): turn, and stay put this frame.
    if (!(timer <= travel))
    {
        timer = 0.0f;
        back = !back;
        return current;
    }
    const float t = timer / travel;
    return back ? start + (target - start) * t : target + (start - target) * t;
}

void Patrol::Init()
{
    RequireComponent<Transform>();
    if (const Transform* transform = owner->Get<Transform>())
        start = transform->position;
}

void Patrol::Update(float dt)
{
    Transform* transform = owner->Get<Transform>();
    if (!transform)
        return;
    tvec2& position = transform->position;
    position.x = legX.Advance(position.x, start.x, target.x, travelTimeX, dt);
    position.y = legY.Advance(position.y, start.y, target.y, travelTimeY, dt);
}
} // namespace Orvex
