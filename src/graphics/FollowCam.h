#pragma once
// Keeps the camera on a named entity (the player): x follows exactly, y stays
// within a band around the target and eases after it at the target's vertical
// speed; meanwhile the camera zooms in to "FollowSize". Stopped for good by the
// one-key zoom or the level end.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class Camera;

class FollowCam : public IComponent
{
    ORVEX_COMPONENT(FollowCam)

    // Needs a Transform and a Camera.
    void Init() override;
    // Does nothing while stopped, and for a frame in which the target entity is
    // missing or has no Transform or RigidBody.
    void Update(float dt) override;

    // The camera's new y from its current y (cy), the target's y (ty) and the
    // target's vertical velocity (vy), dt in seconds.
    float FollowHeight(float cy, float ty, float vy, float dt) const;

    float zoomSpeed = 1.0f;   // Size decrease per second while zooming in
    float followSize = 1.0f;  // Size at which zooming in stops
    float lowerBounds = 5.0f; // world units the camera may be above the target
    float upperBounds = 1.0f; // world units the target may be above the camera
    std::string objectName;   // the entity followed
    bool stopped = false;
    bool zoomDone = false;    // Size has reached followSize

private:
    void ZoomIn(Camera& camera, float dt);
};
} // namespace Orvex
