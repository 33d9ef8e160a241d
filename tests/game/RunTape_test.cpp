// Recorded runs in play: the keys a tape presses, and that a recorded run plays
// back into the same run, bit for bit.

#include <gtest/gtest.h>

#include "engine/Random.h"
#include "game/runs/LevelRunner.h"
#include "game/runs/RunTape.h"
#include "game/states/Gameplay.h"
#include "memory/MemoryManager.h"
#include "messaging/Input.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
using namespace RunKeys;

class RunKeysTest : public ::testing::Test
{
protected:
    void TearDown() override { Input::Current() = Input::State(); }
};

TEST_F(RunKeysTest, EachKeyPressesItsScancodeInEveryLayoutAndReadsBackFromAnyOfThem)
{
    const struct
    {
        unsigned scancode;
        std::uint8_t key;
    } scancodes[] = {{4, Left}, {80, Left}, {92, Left}, {7, Right}, {79, Right}, {94, Right}, {44, Space}};
    const std::uint8_t applied[] = {Left | Space, Right};
    for (const std::uint8_t keys : applied)
    {
        Apply(keys);
        EXPECT_EQ(Held(), keys);
        for (const auto& one : scancodes)
            EXPECT_EQ(Input::KeyHeld(one.scancode), (keys & one.key) != 0) << one.scancode;
    }
    Input::Current() = Input::State();
    for (const auto& one : scancodes)
    {
        Input::KeyDown(one.scancode);
        EXPECT_EQ(Held(), one.key) << one.scancode;
        Input::KeyUp(one.scancode);
    }
}

TEST_F(RunKeysTest, ATapeHoldsEachStepsKeysAndNoneAfterTheLast)
{
    RunTape tape;
    tape.Replay(RecordedRun{"A", 1, {Left, Left | Right}});
    tape.Play();
    EXPECT_EQ(Held(), Left);
    tape.Play();
    EXPECT_EQ(Held(), Left | Right);
    tape.Play();
    EXPECT_EQ(Held(), 0);
    EXPECT_EQ(tape.Steps(), 3u);
    tape.Rewind();
    tape.Play();
    EXPECT_EQ(Held(), Left);
}

// Leans right in bursts with pauses, now and then a little left.
std::uint8_t ScriptedKeys(std::size_t step)
{
    const std::size_t phase = step % 150;
    if (phase < 50)
        return Right;
    if (phase >= 90 && phase < 100)
        return Left;
    return 0;
}

TEST(RunTape, ARecordedRunPlaysBackBitForBitAfterOtherEntitiesCameAndWent)
{
    constexpr std::size_t steps = 500;
    std::uint64_t recordedHash = 0;
    RecordedRun recorded;
    {
        LevelRunner live(RecordedRun{"Level1Forest", 5, {}});
        live.Tape().Record("Level1Forest", 5);
        for (std::size_t step = 0; step < steps; ++step)
        {
            Apply(ScriptedKeys(step));
            live.Step();
        }
        ASSERT_FALSE(live.LevelEnded());
        recordedHash = PositionHash(*live.Player());
        recorded = live.Tape().Run();
        Input::Current() = Input::State();
    }
    ASSERT_EQ(recorded.keys.size(), steps);
    EXPECT_EQ(recorded.seed, 5u);
    // The entity ids of the replay start elsewhere, as they do in a game that
    // showed its menu first.
    for (int i = 0; i < 37; ++i)
        Delete(New<Entity>("before"));
    Random::Seed(99);
    LevelRunner replay(recorded);
    for (std::size_t step = 0; step < steps; ++step)
        replay.Step();
    EXPECT_EQ(PositionHash(*replay.Player()), recordedHash);
}

TEST(RunTape, ARunsSeedSeedsTheRandomSourceWhenItsLevelLoads)
{
    int first = 0;
    {
        LevelRunner runner(RecordedRun{"Level1Forest", 3, {}});
        runner.Step();
        first = Random::Next15();
    }
    Random::Seed(12345);
    LevelRunner again(RecordedRun{"Level1Forest", 3, {}});
    again.Step();
    EXPECT_EQ(Random::Next15(), first);
}

TEST(RunTape, LoadingAnotherLevelStopsTheTapeAndReloadingTheLevelStartsItAgain)
{
    LevelRunner runner(RecordedRun{"Level1Forest", 3, {Right, Right, Right}});
    runner.Step();
    runner.Step();
    EXPECT_EQ(runner.Steps(), 2u);
    runner.Play()->RequestLevel("Level1Forest");
    runner.Step();
    EXPECT_EQ(runner.Steps(), 1u);
    EXPECT_EQ(Held(), Right);
    runner.Play()->RequestLevel("testlv");
    runner.Step();
    EXPECT_FALSE(runner.Tape().Replaying());
    Input::Current() = Input::State();
}
} // namespace
} // namespace Orvex
