#pragma once
// A chaser: dormant until the entity named Object first comes within
// MaxFollowDist, then for good it flies at MoveSpeed, straight at the target
// while farther than MaxFollowDist, and nearer in on a heading turned away from
// it, so that it circles the target, closing in from afar and sliding round it
// when close. While nothing bears the name it keeps its course.

#include <string>

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class ObjectFollow : public IComponent
{
    ORVEX_COMPONENT(ObjectFollow)

    // Needs a RigidBody.
    void Init() override;
    // Sets the body's velocity toward or around the target.
    void Update(float dt) override;

    std::string object;          // "Object": the target's name
    float minFollowDist = 5.0f;  // "MinFollowDist": world units
    float maxFollowDist = 10.0f; // "MaxFollowDist": world units; engages within it
    float rotateSpeed = 0.2f;    // "RotateSpeed": radians, the turn of the heading at its ends
    float moveSpeed = 5.0f;      // "MoveSpeed": units per second

    bool engaged = false;
};

// The unnormalised heading of a follower at offset d (follower - target) for
// the given distances and turn, once engaged.
tvec2 FollowHeading(tvec2 d, float minDist, float maxDist, float rotateSpeed);
} // namespace Orvex
