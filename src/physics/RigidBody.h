#pragma once
// The velocity and gravity of a body that the PhysicsSystem moves. There is no
// mass, no force, no spin and no damping: contact response lives in the
// CollisionsSystem, which moves positions and reflects velocities.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class RigidBody : public IComponent
{
    ORVEX_COMPONENT(RigidBody)

    // Requires a Transform.
    void Init() override;

    tvec2 velocity{0.0f, 0.0f}; // world units per second
    // Multiple of the level's GravitySpeed; the acceleration is minus this times
    // GravitySpeed, so (0, 1) falls downwards.
    tvec2 gravity{0.0f, 0.0f};
    // Not accelerated, never the moving party of a contact, never pushed; still
    // glides by its own velocity (moving platforms).
    bool isStatic = true;
};
} // namespace Orvex
