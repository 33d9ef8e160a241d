#include "graphics/FollowCam.h"

#include <algorithm>
#include <cmath>

#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(FollowCam)

ORVEX_MEMBERS(FollowCam)
{
    ORVEX_FIELD(zoomSpeed, "ZoomSpeed");
    ORVEX_FIELD(followSize, "FollowSize");
    ORVEX_FIELD(lowerBounds, "LowerBounds");
    ORVEX_FIELD(upperBounds, "UpperBounds");
    ORVEX_FIELD(objectName, "ObjectName");
}

void FollowCam::Init()
{
    RequireComponent<Transform>();
    RequireComponent<Camera>();
}

void FollowCam::Update(float dt)
{
    if (stopped)
        return;
    Entity* target = FindInActiveState(objectName);
    const Transform* targetTransform = target ? target->Get<Transform>() : nullptr;
    const RigidBody* body = target ? target->Get<RigidBody>() : nullptr;
    Transform* transform = owner->Get<Transform>();
    Camera* camera = owner->Get<Camera>();
    if (!targetTransform || !body || !transform || !camera)
        return;
    ZoomIn(*camera, dt);
    transform->position.x = targetTransform->position.x;
    transform->position.y =
        FollowHeight(transform->position.y, targetTransform->position.y, body->velocity.y, dt);
}

void FollowCam::ZoomIn(Camera& camera, float dt)
{
    if (camera.size > followSize)
        camera.size = std::max(camera.size - zoomSpeed * dt, followSize);
    else
        zoomDone = true;
}

float FollowCam::FollowHeight(float cy, float ty, float vy, float dt) const
{
    if (cy - ty > lowerBounds)
        cy = ty + lowerBounds;
    else if (ty - cy > upperBounds)
        cy = ty - upperBounds;
    // The further the target is from y = 0, the closer to its full speed the
    // camera eases after it.
    const float k = std::min((std::fabs(ty) + lowerBounds) / (upperBounds + lowerBounds), 1.0f);
    const float step = k * std::fabs(vy) * dt;
    if (ty - lowerBounds > cy)
        cy += step;
    else if (cy > ty + lowerBounds)
        cy -= step;
    return cy;
}
} // namespace Orvex
