#include <cstdio>
#include <fstream>

#include "PlayHarness.h"
#include "data/LevelSettings.h"
#include "game/components/LoadLevelOnCollision.h"
#include "game/components/TumboController.h"
#include "game/states/BestTimes.h"
#include "game/states/Gameplay.h"
#include "game/states/SpeedrunGS.h"
#include "graphics/Color.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyEscape = 41;

Gameplay& Start(PlayHarness& play, const std::string& level, const char* type = "Gameplay")
{
    IGamestate* state = play.engine.PushGamestate(type);
    state->SetCurrentLevel(level);
    play.engine.RunFrame();
    return dynamic_cast<Gameplay&>(play.engine.GetActiveGamestate());
}

std::string ClockText(const Gameplay& state)
{
    return state.LevelClock()->Get<SpriteText>()->text;
}

// The clock is the state's own, no entity of the level; a restart during the
// hand-over gives the next end its whole end timer, and a load resets the
// points the level offers. A transition level's clock runs undrawn, and its
// next level of "0" pops the play state.
TEST(Gameplay, AnEndedLevelHandsOverAfterItsEndTimerAndTheClockRestarts)
{
    SettingsLevel first("__gameplay_a", "2.5", "__gameplay_Transition");
    SettingsLevel second("__gameplay_Transition", "1", "0");
    PlayHarness play;
    Gameplay& state = Start(play, "__gameplay_a");
    ASSERT_NE(state.LevelClock(), nullptr);
    EXPECT_EQ(state.Entities().count(state.LevelClock()->id), 0u);
    play.Frames(131, 0.5f);
    EXPECT_EQ(ClockText(state), "1:05");
    play.engine.SendMessage(MSG_END_LEVEL);
    EXPECT_FALSE(state.LevelRunning());
    play.Frames(3, 0.5f);
    state.AddAvailablePoints(7);
    state.RequestLevel("__gameplay_a"); // restarted when 2 of the 2.5 s have passed
    play.Frame(0.5f);
    ASSERT_TRUE(state.LevelRunning());
    EXPECT_EQ(state.AvailablePoints(), 0);

    play.engine.SendMessage(MSG_END_LEVEL);
    const float stopped = state.LevelTime();
    play.Frames(4, 0.5f); // 2 s: still ended
    EXPECT_FLOAT_EQ(state.LevelTime(), stopped);
    EXPECT_EQ(state.CurrentLevel(), "__gameplay_a");
    play.Frame(0.5f); // 2.5 s: the next level loads at the next frame start
    EXPECT_EQ(state.CurrentLevel(), "__gameplay_Transition");
    EXPECT_TRUE(state.LevelRunning());
    const SpriteText& shown = *state.LevelClock()->Get<SpriteText>();
    const std::string rendered = shown.renderedText;
    play.Frames(5, 0.5f);
    EXPECT_FLOAT_EQ(state.LevelTime(), 2.5f);
    EXPECT_EQ(shown.text, "0:02");
    EXPECT_EQ(shown.renderedText, rendered);

    play.engine.SendMessage(MSG_END_LEVEL);
    play.Frames(2, 0.5f);
    EXPECT_TRUE(play.engine.Gamestates().empty());
}

// Escape asks for the pause screen, queued for the next frame's start (and
// destroyed with the engine here, never pushed).
TEST(Gameplay, ALevelWithNoNextOneStaysEndedAndEscapeAsksForThePause)
{
    SettingsLevel level("__gameplay_a", "1", "");
    PlayHarness play;
    Gameplay& state = Start(play, "__gameplay_a");
    play.engine.SendMessage(MSG_END_LEVEL);
    play.Frames(3, 0.5f);
    ASSERT_EQ(play.engine.Gamestates().size(), 1u);
    EXPECT_EQ(state.CurrentLevel(), "__gameplay_a");
    EXPECT_FALSE(play.engine.HasFlag(Engine::PUSH_PENDING));
    Input::KeyDown(keyEscape);
    state.Update(PlayHarness::step);
    EXPECT_TRUE(play.engine.HasFlag(Engine::PUSH_PENDING));
}

TEST(LoadLevelOnCollision, ThePlayersTouchEndsTheLevelAndNamesTheNextOne)
{
    PlayHarness play;
    Gameplay& state = Start(play, "segment1");
    Entity& goal = play.Spawn("Goal");
    goal.Add<LoadLevelOnCollision>()->levelName = "testlv";
    PlayHarness::Start(goal);
    Entity& rock = play.Spawn("Rock");
    play.Post(MSG_COLLISION, CollisionMessage{&goal, &rock, tvec2(0.0f), -1, true});
    play.Frame(0.0f);
    EXPECT_TRUE(state.LevelRunning());
    Entity& dog = play.Spawn("TumboWuffin");
    dog.Add<TumboController>();
    play.Post(MSG_COLLISION, CollisionMessage{&goal, &dog, tvec2(0.0f), -1, true});
    play.Frame(0.0f);
    EXPECT_FALSE(state.LevelRunning());
    EXPECT_EQ(state.LevelSettingsEntity()->Get<LevelSettings>()->nextLevel, "testlv");
    play.Frames(5, 0.5f); // segment1's EndTimer of 2 s
    EXPECT_EQ(state.CurrentLevel(), "testlv");
}

TEST(SpeedrunGS, TimesTheLevelToTheHundredthWithTheLimiterForcedOn)
{
    SettingsLevel level("__gameplay_a", "1", "");
    PlayHarness play;
    auto& state = dynamic_cast<SpeedrunGS&>(Start(play, "__gameplay_a", "SpeedrunGS"));
    EXPECT_TRUE(play.engine.FrameLimiter());
    play.engine.SetFrameLimiter(false); // as the window's settings or a return to it may
    play.engine.ClearFlag(Engine::ACTIVE);
    play.Frames(3, 0.5f); // few: the limiter paces each frame in real time
    EXPECT_TRUE(play.engine.FrameLimiter());
    EXPECT_EQ(ClockText(state), "0:01");
    EXPECT_EQ(state.RunClock()->Get<SpriteText>()->text, "0:01.50");
}
} // namespace
} // namespace Orvex

namespace Orvex
{
namespace
{
// The player's records in a file of the test's own, put back to none after it.
class RecordsFile
{
public:
    RecordsFile()
    {
        std::remove(path.c_str()); // of a test run that was stopped
        BestTimes::Player() = BestTimes(SettingsFile(path, "best-times file"));
    }
    ~RecordsFile()
    {
        BestTimes::Player() = BestTimes(SettingsFile());
        std::remove(path.c_str());
    }
    const std::string path = "./__speedrun_records.ini";
};

struct LevelEnd
{
    std::string split; // shown beneath the run clock
    tvec4 color;
};

// One speed run of the chain __sr_a, __sr_b: each level ends after so many frames.
std::vector<LevelEnd> SpeedRun(std::initializer_list<int> frames)
{
    BarePlay play;
    IGamestate* pushed = play.engine.PushGamestate("SpeedrunGS");
    pushed->SetCurrentLevel("__sr_a");
    dynamic_cast<SpeedrunGS*>(pushed)->runStart = "__sr_a";
    play.engine.RunFrame();
    auto& state = dynamic_cast<SpeedrunGS&>(play.engine.GetActiveGamestate());
    std::vector<LevelEnd> ends;
    // The engine's fixed frame: the play state forces the limiter on, which would
    // pace the harness's frames to real time.
    const auto step = [&play] { play.engine.RunFixedFrame(PlayHarness::step); };
    for (const int count : frames)
    {
        // A later level's first step is the one that loaded it.
        for (int i = ends.empty() ? 0 : 1; i < count; ++i)
            step();
        play.engine.SendMessage(MSG_END_LEVEL);
        ends.push_back({state.SplitClock()->Get<SpriteText>()->text,
                        state.SplitClock()->Get<Color>()->color});
        // Past the EndTimer, up to the next level's start (the last one pops the state).
        for (const std::string ended = state.CurrentLevel();
             ends.size() < frames.size() && state.CurrentLevel() == ended;)
            step();
    }
    return ends;
}

TEST(SpeedrunGS, BestTimesAreBeatenAndKeptAndEachLevelShowsItsTimeAgainstTheBest)
{
    SettingsLevel first("__sr_a", "0.5", "__sr_b");
    SettingsLevel second("__sr_b", "0.5", "0");
    RecordsFile records;
    const tvec4 green{0.45f, 1.0f, 0.4f, 1.0f}, red{1.0f, 0.4f, 0.35f, 1.0f};

    std::vector<LevelEnd> ends = SpeedRun({120, 60}); // 2 s and 1 s: nothing to beat yet
    EXPECT_EQ(ends[0].split, "");
    EXPECT_EQ(ends[1].split, "");
    EXPECT_NEAR(*BestTimes::Player().RunBest(), 3.0f, 1e-4f);

    ends = SpeedRun({90, 90}); // ahead, then behind: 3 s again is no better run
    EXPECT_EQ(ends[0].split, "-0.50");
    EXPECT_EQ(ends[0].color, green);
    EXPECT_EQ(ends[1].split, "+0.50");
    EXPECT_EQ(ends[1].color, red);
    EXPECT_NEAR(*BestTimes::Player().LevelBest("__sr_a"), 1.5f, 1e-4f);
    EXPECT_NEAR(*BestTimes::Player().LevelBest("__sr_b"), 1.0f, 1e-4f);
    EXPECT_NEAR(*BestTimes::Player().Split("__sr_a"), 2.0f, 1e-4f);

    ends = SpeedRun({100, 30}); // against the best run's splits, not the level bests
    EXPECT_EQ(ends[0].split, "-0.33");
    EXPECT_EQ(ends[1].split, "-0.50");

    const BestTimes kept(SettingsFile(records.path, "best-times file"));
    EXPECT_NEAR(*kept.RunBest(), 100.0f / 60.0f + 0.5f, 1e-4f);
    EXPECT_NEAR(*kept.Split("__sr_a"), 100.0f / 60.0f, 1e-4f);
    EXPECT_NEAR(*kept.Split("__sr_b"), 0.5f, 1e-4f);
    EXPECT_NEAR(*kept.LevelBest("__sr_a"), 1.5f, 1e-4f);
}

TEST(SpeedrunGS, ARunStartedElsewhereOrWithALaterLevelRestartedIsNotWhole)
{
    SettingsLevel first("__sr_a", "0.5", "__sr_b");
    SettingsLevel second("__sr_b", "0.5", "0");
    RecordsFile records;
    PlayHarness play;
    auto& state = dynamic_cast<SpeedrunGS&>(Start(play, "__sr_b", "SpeedrunGS"));
    EXPECT_FALSE(state.RunWhole());
    play.engine.SendMessage(MSG_END_LEVEL);
    EXPECT_TRUE(BestTimes::Player().LevelBest("__sr_b").has_value());
    EXPECT_FALSE(BestTimes::Player().RunBest().has_value());

    state.runStart = "__sr_a";
    state.RequestLevel("__sr_a");
    play.Frame();
    EXPECT_TRUE(state.RunWhole());
    state.RequestLevel("__sr_b");
    play.Frame();
    EXPECT_FALSE(state.RunWhole()); // the first level never ended: no step of the chain
}

} // namespace
} // namespace Orvex
