// A speed run keeps every level it plays as a recorded run and the fastest with
// its ghost; the recording replays into the very poses the ghost shows.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

#include "PlayHarness.h"
#include "data/GhostFile.h"
#include "data/RunFile.h"
#include "engine/PlayerSettings.h"
#include "engine/UserFolders.h"
#include "game/runs/LevelRunner.h"
#include "game/states/BestTimes.h"
#include "game/states/SpeedrunGS.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

constexpr std::size_t steps = 240; // of the forest's shipped run: 4 s of play

// The player's data folder in a temporary one, records in memory, both put back.
class PlayerData : public testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("speedrun-ghost-" + std::to_string(getpid()));
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            kept = old;
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
        UseUserFolders(true);
        BestTimes::Player() = BestTimes(SettingsFile());
    }
    void TearDown() override
    {
        UseUserFolders(false);
        kept ? setenv("XDG_DATA_HOME", kept->c_str(), 1) : unsetenv("XDG_DATA_HOME");
        BestTimes::Player() = BestTimes(SettingsFile());
        PlayerSettings::Close();
        fs::remove_all(folder);
    }
    fs::path Kept(const std::string& name) const { return folder / "tumbowuffin" / name; }

    fs::path folder;
    std::optional<std::string> kept;
};

// A speed run of the forest, replaying the run when it has keys.
SpeedrunGS& StartForest(PlayHarness& play, const RecordedRun& run = {})
{
    auto* pushed = dynamic_cast<SpeedrunGS*>(play.engine.PushGamestate("SpeedrunGS"));
    pushed->SetCurrentLevel("Level1Forest");
    if (!run.keys.empty())
        pushed->Tape().Replay(run);
    play.engine.RunFrame();
    return dynamic_cast<SpeedrunGS&>(play.engine.GetActiveGamestate());
}

TEST_F(PlayerData, AFinishedLevelIsKeptAndItsRecordingReplaysIntoTheGhostsPoses)
{
    RecordedRun shipped = ReadRun("runs/Level1Forest.run");
    {
        PlayHarness play;
        StartForest(play, shipped);
        for (std::size_t i = 0; i < steps; ++i)
            play.engine.RunFixedFrame(PlayHarness::step);
        play.engine.SendMessage(MSG_END_LEVEL); // ended here: the best so far
    }
    const RecordedRun best = ReadRun(Kept("best/Level1Forest.run").string());
    ASSERT_EQ(best.keys.size(), steps);
    EXPECT_TRUE(std::equal(best.keys.begin(), best.keys.end(), shipped.keys.begin()));
    std::size_t finished = 0;
    for (const auto& entry : fs::directory_iterator(Kept("runs")))
    {
        ++finished;
        EXPECT_EQ(ReadRun(entry.path().string()).keys, best.keys) << entry.path();
    }
    EXPECT_EQ(finished, 1u);

    const GhostTrack ghost = ReadGhost(Kept("best/Level1Forest.ghost").string());
    ASSERT_EQ(ghost.poses.size(), steps);
    LevelRunner replay(best, "SpeedrunGS");
    for (std::size_t i = 0; i < steps; ++i)
    {
        replay.Step();
        ASSERT_NE(replay.Player(), nullptr);
        const Transform* dog = replay.Player()->Get<Transform>();
        ASSERT_EQ(dog->position, ghost.poses[i].position) << "step " << i + 1;
        ASSERT_EQ(dog->rotation, ghost.poses[i].rotation) << "step " << i + 1;
    }
    EXPECT_NE(ghost.poses.front().position, ghost.poses.back().position);
    EXPECT_EQ(ghost.poses.front().texture.rfind("wuffin", 0), 0u) << ghost.poses.front().texture;
}

TEST_F(PlayerData, TheGhostRunsAlongOnlyWhenSwitchedOnAndStopsAtItsEnd)
{
    GhostTrack ghost{"Level1Forest", {}};
    for (int i = 0; i < 3; ++i)
        ghost.poses.push_back({"wuffinImpact_1", {float(i), 2.0f}, 0.0f, {1.2f, 1.6f}});
    fs::create_directories(Kept("best"));
    WriteGhost(Kept("best/Level1Forest.ghost").string(), ghost);

    for (const bool on : {false, true})
    {
        PlayerSettings::StoreGhostShown(on);
        PlayHarness play;
        SpeedrunGS& state = StartForest(play);
        for (int step = 1; step <= 3; ++step)
        {
            play.engine.RunFixedFrame(PlayHarness::step);
            const GhostPose* shown = state.Ghost().Shown();
            ASSERT_EQ(shown != nullptr, on) << "step " << step;
            if (shown)
            {
                EXPECT_EQ(shown->position.x, float(step - 1)) << "step " << step;
            }
        }
        play.engine.RunFixedFrame(PlayHarness::step);
        EXPECT_EQ(state.Ghost().Shown(), nullptr); // past its last pose
    }
}
} // namespace
} // namespace Orvex
