#pragma once
// The play state for timed runs: a run clock to the hundredth beneath the level
// clock, and the fixed 60 Hz step forced on every frame, so that losing and
// regaining the window focus cannot leave a run untimed by the limiter.

#include "game/states/Gameplay.h"

namespace Orvex
{
class SpeedrunGS : public Gameplay
{
    ORVEX_GAMESTATE(SpeedrunGS)

    SpeedrunGS() = default;
    void Init() override;
    void Update(float dt) override;
    void Shutdown() override;
    void OnLevelLoad() override;

    float RunTime() const { return runTime; }
    const Entity* RunClock() const { return runClock.get(); }

private:
    Pooled<Entity> runClock; // not in the entity table
    float runTime = 0.0f;    // seconds of the current level, while it runs
};
} // namespace Orvex
