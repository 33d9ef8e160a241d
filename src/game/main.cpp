#include <chrono>
#include <filesystem>

#include "data/RunFile.h"
#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "engine/ProcessEntry.h"
#include "engine/RunOptions.h"
#include "game/states/Gameplay.h"

namespace
{
using namespace Orvex;

// --replay and --record: the play state plays or records a run at the fixed step.
void AttachRun(IGamestate& start, const RunOptions& options)
{
    if (options.replayPath.empty() && options.recordPath.empty())
        return;
    auto* play = dynamic_cast<Gameplay*>(&start);
    if (!play)
        throw "--replay and --record need a play state (--state Gameplay or --state SpeedrunGS), not " +
            options.startState + ".";
    Engine::Get()->SetFrameLimiter(true);
    if (options.recordPath.empty())
    {
        RecordedRun run = ReadRun(options.replayPath);
        const std::string levelPath = AssetPath("Levels", run.level);
        if (!std::filesystem::is_regular_file(levelPath))
            throw options.replayPath + ":2: the level \"" + run.level + "\" does not exist (no file " +
                levelPath + ")";
        play->SetCurrentLevel(run.level);
        play->Tape().Replay(std::move(run));
        return;
    }
    const auto seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    play->Tape().Record(play->CurrentLevel(), seed, options.recordPath);
}
} // namespace

int main(int argc, char** argv) { return Orvex::RunProcess(argc, argv, "IntroGS", AttachRun); }
