#include "physics/RigidBody.h"

#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RigidBody)

ORVEX_MEMBERS(RigidBody)
{
    ORVEX_FIELD(velocity, "Velocity");
    ORVEX_FIELD(gravity, "Gravity");
    ORVEX_FIELD(isStatic, "Static");
}

void RigidBody::Init() { RequireComponent<Transform>(); }
} // namespace Orvex
