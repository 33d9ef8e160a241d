#pragma once
// Particles in a state that does not update its components (the level editor):
// emitters marked "updateInEditor" are animated, every other one is emptied so
// that it shows nothing there.

#include "object/ISystem.h"

namespace Orvex
{
class UpdateParticleSystem : public ISystem
{
    ORVEX_SYSTEM(UpdateParticleSystem)

    // dt in seconds, passed on to each animated emitter of the active state.
    void Update(float dt) override;
};
} // namespace Orvex
