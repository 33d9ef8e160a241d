#pragma once
// The play state for timed runs: a run clock to the hundredth beneath the level
// clock, and the fixed 60 Hz step forced on every frame, so that losing and
// regaining the window focus cannot leave a run untimed by the limiter.
//
// Every ended level is measured against the best (BestTimes): beneath the run
// clock its time against the one to beat shows until the next level, green when
// ahead and red when behind, and a better time is kept. A run that goes from the
// first level through every following one to the chain's end is a whole run; its
// total and its splits are kept when it is the best. Restarting a level other
// than the first, or starting elsewhere, leaves the run no longer whole.
//
// Every level is played as a recorded run (the one replayed, or a recording of
// the keys held) and kept with RunArchive when it ends; the dog's poses become
// the level's ghost when the time is its best. With the ghost switched on in the
// player's settings, that ghost runs along.

#include <optional>
#include <string>
#include <vector>

#include "game/states/BestTimes.h"
#include "game/runs/RunGhost.h"
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
    void OnLevelEnd() override;

    float RunTime() const { return runTime; }
    const Entity* RunClock() const { return runClock.get(); }
    const Entity* SplitClock() const { return splitClock.get(); }
    bool RunWhole() const { return runWhole; }
    const RunGhost& Ghost() const { return ghost; }

    // Where whole runs start. Public, as currentLevel is, for who pushes the state.
    std::string runStart = firstLevel;

private:
    void ShowSplit(std::optional<float> reference);
    void RecordRun();
    // The tape records the level unless it plays or records it already.
    void RecordLevel();
    void KeepLevelRun(bool best);

    Pooled<Entity> runClock;   // not in the entity table
    Pooled<Entity> splitClock; // not in the entity table; shown once the level ended
    std::string splitText;     // its text; empty: nothing to show
    float runTime = 0.0f;      // seconds of the current level, while it runs
    std::vector<LevelSplit> splits; // the levels of the run so far, while it is whole
    bool runWhole = false;
    std::string nextInRun; // the level a whole run goes on with
    RunGhost ghost;
};
} // namespace Orvex
