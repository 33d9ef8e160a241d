#include "game/states/SpeedrunGS.h"

#include <algorithm>
#include <chrono>

#include "data/Level.h"
#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/PlayerSettings.h"
#include "game/runs/RunArchive.h"
#include "game/states/ClockText.h"
#include "graphics/Color.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(SpeedrunGS)

namespace
{
constexpr float runClockDrop = 0.12f; // device units beneath the level clock
const tvec4 ahead{0.45f, 1.0f, 0.4f, 1.0f};
const tvec4 behind{1.0f, 0.4f, 0.35f, 1.0f};
const tvec4 level{1.0f, 1.0f, 1.0f, 1.0f};

Pooled<Entity> ClockBelow(float drop)
{
    Pooled<Entity> clock(CreateFromArchetype("Timer", Gameplay::clockArchetype));
    if (Transform* transform = clock->Get<Transform>())
        transform->position.y -= drop;
    return clock;
}

// A next level of "0…" goes back to the menu: the chain ends there.
bool EndsTheChain(const std::string& next) { return !next.empty() && next[0] == '0'; }
} // namespace

void SpeedrunGS::Init()
{
    Gameplay::Init();
    Engine::Get()->SetFrameLimiter(true);
    runClock = ClockBelow(runClockDrop);
    splitClock = ClockBelow(2.0f * runClockDrop);
    SetClockText(*splitClock, splitText);
}

void SpeedrunGS::Shutdown()
{
    splitClock.reset();
    runClock.reset();
    Gameplay::Shutdown();
}

void SpeedrunGS::OnLevelLoad()
{
    RecordLevel();
    Gameplay::OnLevelLoad();
    ghost.Start(RequestedLevel(), PlayerSettings::GhostShown(),
                RunArchive::BestGhostPath(RequestedLevel()));
    runTime = 0.0f;
    splitText.clear();
    if (splitClock)
        SetClockText(*splitClock, splitText);
    const std::string& loading = RequestedLevel();
    if (loading == runStart)
    {
        splits.clear();
        runWhole = true;
    }
    else if (loading != nextInRun)
        runWhole = false;
    // Only the level's end names the next step; reloading it is none.
    nextInRun.clear();
}

void SpeedrunGS::OnLevelEnd()
{
    // A second trigger of the same level ends nothing more.
    if (!levelRunning)
        return;
    Gameplay::OnLevelEnd();
    BestTimes& best = BestTimes::Player();
    ShowSplit(best.Reference(currentLevel));
    KeepLevelRun(best.RecordLevel(currentLevel, runTime));
    if (runWhole)
        RecordRun();
}

void SpeedrunGS::RecordLevel()
{
    const std::string& level = RequestedLevel();
    if (tape.Replaying() || (tape.Recording() && tape.Run().level == level))
        return;
    const auto seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    tape.Record(level, seed);
}

void SpeedrunGS::KeepLevelRun(bool best)
{
    if (!tape.Replaying() && !tape.Recording())
        return;
    RecordedRun run = tape.Run();
    // A replay may hold keys past the step that ended the level.
    run.keys.resize(std::min(run.keys.size(), tape.Steps()));
    RunArchive::Keep(run, ghost.Taken(), best);
}

void SpeedrunGS::ShowSplit(std::optional<float> reference)
{
    if (!reference || !splitClock)
        return;
    const long difference = Hundredths(runTime) - Hundredths(*reference);
    splitText = SplitText(difference);
    SetClockText(*splitClock, splitText);
    if (Color* color = splitClock->Get<Color>())
        color->color = difference < 0 ? ahead : difference > 0 ? behind : level;
}

void SpeedrunGS::RecordRun()
{
    splits.push_back({currentLevel, runTime});
    const LevelSettings* settings = LevelSettingsOf(*this);
    const std::string next = settings ? settings->nextLevel : "";
    if (EndsTheChain(next))
        BestTimes::Player().RecordRun(splits);
    // Without a next level nothing follows, and the run cannot end either.
    runWhole = !EndsTheChain(next) && !next.empty();
    nextInRun = next;
}

void SpeedrunGS::Update(float dt)
{
    // Over the scene, beneath the clocks.
    ghost.Draw(Drawn());
    const bool running = levelRunning;
    Gameplay::Update(dt);
    if (running)
        if (const Entity* dog = FindEntity("TumboWuffin"))
            ghost.Take(*dog);
    Engine::Get()->SetFrameLimiter(true);
    if (levelRunning)
    {
        runTime += dt;
        SetClockText(*runClock, RunClockText(runTime));
    }
    ShowClock(*runClock, dt);
    if (!levelRunning && !splitText.empty())
        ShowClock(*splitClock, dt);
}
} // namespace Orvex
