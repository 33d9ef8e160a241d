// The recorded run each play level ships, replayed at the fixed step: it reaches
// the goal, collects its score and ends in the pinned place, bit for bit. The
// pins hold for g++ and clang++ builds alike (plain single precision, no fused
// multiply-adds); a change to a level, the player or the physics moves them, and
// then the run is searched and pinned anew.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>
#include <string>

#include <SDL.h>

#include "data/RunFile.h"
#include "engine/Engine.h"
#include "engine/Window.h"
#include "game/runs/LevelRunner.h"
#include "game/states/Gameplay.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "memory/MemoryManager.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
struct RunEnd
{
    bool reached = false;  // the level ended, or the ending left the play state
    std::size_t steps = 0; // of the run when it did
    std::uint64_t hash = 0; // of the player there
    int score = -1;        // on the display once the burst of the last points landed
    tvec2 at{0.0f};
    std::string output;    // what the replay wrote to standard output
};

// Plays the level's run, then waits with no key held until the next level is
// about to load (or the play state is gone), reading the score as late as it shows.
RunEnd PlayShippedRun(const std::string& level)
{
    LevelRunner runner(ReadRun("runs/" + level + ".run"));
    const std::size_t length = runner.Run().keys.size();
    RunEnd end;
    testing::internal::CaptureStdout();
    for (std::size_t i = 0; i < length + 600; ++i)
    {
        runner.Step();
        const Gameplay* play = runner.Play();
        if (!play)
        {
            end.reached = true;
            break;
        }
        end.score = runner.Score();
        if (!end.reached && runner.Player())
        {
            end.hash = PositionHash(*runner.Player());
            end.at = runner.Player()->Get<Transform>()->position;
            end.steps = runner.Steps();
            end.reached = runner.LevelEnded();
        }
        if (!play->RequestedLevel().empty())
            break;
    }
    end.output = testing::internal::GetCapturedStdout();
    Input::Current() = Input::State();
    return end;
}

// The first line of output that holds "ERROR", or "" when none does.
std::string FirstErrorLine(const std::string& output)
{
    const std::size_t error = output.find("ERROR");
    if (error == std::string::npos)
        return "";
    const std::size_t start = output.rfind('\n', error) + 1; // npos + 1 is 0
    return output.substr(start, output.find('\n', error) - start);
}

void ExpectRunEnds(const std::string& level, std::size_t steps, int score, std::uint64_t hash)
{
    const RunEnd end = PlayShippedRun(level);
    // A goal reached through skipped collisions proves nothing about the level.
    EXPECT_EQ(FirstErrorLine(end.output), "") << level;
    ASSERT_TRUE(end.reached) << level << ": the run did not reach the goal; the player is at "
                             << end.at.x << ", " << end.at.y;
    EXPECT_EQ(end.steps, steps);
    EXPECT_EQ(end.score, score);
    EXPECT_EQ(end.hash, hash) << "at " << end.at.x << ", " << end.at.y;
}

// The README's keys: in every play level and the furniture room the arrows lean
// the dog as A and D do.
TEST(LevelChain, EveryLevelsDogLeansOnTheArrowsAndOnAD)
{
    const unsigned keys[] = {80, 79, 4, 7}; // Left, Right, A, D
    for (const char* level :
         {"Level1Forest", "Level2Bounce", "Level3GhostShip", "Level4Rocket", "Level4Rocket_end", "Furniture"})
        for (const unsigned key : keys)
        {
            LevelRunner runner(RecordedRun{level, 1, {}});
            runner.Step();
            runner.Tape().Stop(); // the keys are this test's
            ASSERT_NE(runner.Player(), nullptr) << level;
            Input::KeyDown(key);
            for (int i = 0; i < 10; ++i)
                runner.Step();
            const float lean = runner.Player()->Get<Transform>()->rotation;
            EXPECT_GT(key == 80 || key == 4 ? lean : -lean, 0.3f) << level << ", key " << key;
            Input::Current() = Input::State();
        }
}

// A player's way through the game: Play on the menu, every level loaded without
// an error line and finished on its shipped run in turn, each goal loading the
// next, and Space at the ending back to the menu.
TEST(LevelChain, PlayOnTheMenuLeadsThroughEveryLevelToTheEndingAndBackToTheMenu)
{
    Pooled<Engine> engine(New<Engine>());
    struct Off
    {
        Engine& engine;
        ~Off() { engine.Shutdown(); }
    } off{*engine};
    const Window::Settings window = Window::ReadSettings("./config/window_config.ini");
    Window::ResizeWindow(window.width, window.height);
    const auto frame = [&] { engine->RunFixedFrame(LevelRunner::step); };
    const auto top = [&] { return engine->Gamestates().empty() ? nullptr : engine->Gamestates().back(); };
    engine->PushGamestate("MenuGS");
    frame();
    // The first Return shows the focus on Play, the second presses it; the keys
    // come as the window's events do.
    for (int i = 0; i < 4; ++i)
    {
        SDL_Event key{};
        key.type = i % 2 ? SDL_KEYUP : SDL_KEYDOWN;
        key.key.keysym.scancode = SDL_SCANCODE_RETURN;
        SDL_PushEvent(&key);
        frame();
    }
    auto* play = dynamic_cast<Gameplay*>(top());
    ASSERT_NE(play, nullptr) << "Play pushed no play state";
    ASSERT_EQ(play->CurrentLevel(), Gameplay::firstLevel);

    // A run plays from its level's load, and Play loaded the forest before a
    // tape could go in: it is loaded again with its run, as the pause menu's
    // restart does. Each later run goes in as its level is asked for.
    std::vector<std::string> played{play->CurrentLevel()};
    std::size_t budget = 0;
    const auto feed = [&](const std::string& level) {
        RecordedRun run = ReadRun("runs/" + level + ".run");
        budget += run.keys.size() + 600;
        play->Tape().Replay(std::move(run));
    };
    feed(play->CurrentLevel());
    play->RequestLevel(play->CurrentLevel());
    testing::internal::CaptureStdout();
    bool menuAgain = false;
    for (std::size_t i = 0; i < budget && !menuAgain; ++i)
    {
        frame();
        menuAgain = top() != play;
        if (!menuAgain && !play->RequestedLevel().empty())
        {
            played.push_back(play->RequestedLevel());
            feed(played.back());
        }
    }
    const std::string output = testing::internal::GetCapturedStdout();
    Input::Current() = Input::State();
    EXPECT_EQ(FirstErrorLine(output), "");
    EXPECT_EQ(played, (std::vector<std::string>{"Level1Forest", "Level2Bounce", "Level3GhostShip",
                                                "Level4Rocket", "Level4Rocket_end"}));
    ASSERT_TRUE(menuAgain) << "the play state is still on in " << play->CurrentLevel();
    ASSERT_NE(top(), nullptr);
    EXPECT_EQ(top()->TypeName(), "MenuGS");
    EXPECT_EQ(top()->CurrentLevel(), "menu");
}

TEST(LevelRun, Level1Forest) { ExpectRunEnds("Level1Forest", 1605, 36, 2217965697117476077ull); }
TEST(LevelRun, Level2Bounce) { ExpectRunEnds("Level2Bounce", 1449, 22, 12121458720363706886ull); }
TEST(LevelRun, Level3GhostShip) { ExpectRunEnds("Level3GhostShip", 3224, 32, 7265958710899467218ull); }
TEST(LevelRun, Level4Rocket) { ExpectRunEnds("Level4Rocket", 2877, 34, 6747614409434611929ull); }
// The closing level ends on the Space that leaves its ending, after every point burst out.
TEST(LevelRun, Level4Rocket_end) { ExpectRunEnds("Level4Rocket_end", 1102, 33, 3942380309617069739ull); }
} // namespace
} // namespace Orvex
