#include "game/components/ObjectFollow.h"

#include <cmath>

#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ObjectFollow)

ORVEX_MEMBERS(ObjectFollow)
{
    ORVEX_FIELD(object, "Object");
    ORVEX_FIELD(minFollowDist, "MinFollowDist");
    ORVEX_FIELD(maxFollowDist, "MaxFollowDist");
    ORVEX_FIELD(rotateSpeed, "RotateSpeed");
    ORVEX_FIELD(moveSpeed, "MoveSpeed");
}

namespace
{
constexpr float HalfPi = 1.5707964f;

tvec2 Turned(tvec2 v, float angle)
{
    const float c = std::cos(angle), s = std::sin(angle);
    return {c * v.x - s * v.y, s * v.x + c * v.y};
}
} // namespace

tvec2 FollowHeading(tvec2 d, float minDist, float maxDist, float rotateSpeed)
{
    const float s = glm::dot(d, d);
    const float min2 = minDist * minDist, max2 = maxDist * maxDist;
    if (s >= max2)
        return -d;
    const float angle = s > min2
                            ? (s - min2) / (max2 - min2) * (HalfPi - rotateSpeed) + rotateSpeed + HalfPi
                            : s / min2 * (rotateSpeed + HalfPi);
    return Turned(d, angle);
}

void ObjectFollow::Init() { RequireComponent<RigidBody>(); }

void ObjectFollow::Update(float)
{
    const Entity* target = FindInActiveState(object);
    const Transform* targetTransform = target ? target->Get<Transform>() : nullptr;
    const Transform* transform = owner->Get<Transform>();
    RigidBody* body = owner->Get<RigidBody>();
    if (!targetTransform || !transform || !body)
        return;
    const tvec2 d = transform->position - targetTransform->position;
    if (glm::dot(d, d) < maxFollowDist * maxFollowDist)
        engaged = true;
    if (!engaged)
        return;
    const tvec2 heading = FollowHeading(d, minFollowDist, maxFollowDist, rotateSpeed);
    const float length = glm::length(heading);
    // On top of the target there is no way to head: keep the course.
    if (length > 0.0f)
        body->velocity = moveSpeed * heading / length;
}
} // namespace Orvex
