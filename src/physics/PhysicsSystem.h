#pragma once
// Once per frame: gravity on every non-static body, then every body moves by its
// velocity (semi-implicit Euler, exactly one step of dt, no sub-steps).

#include "object/ISystem.h"

namespace Orvex
{
class PhysicsSystem : public ISystem
{
    ORVEX_SYSTEM(PhysicsSystem)

    // dt: seconds.
    void Update(float dt) override;
};
} // namespace Orvex
