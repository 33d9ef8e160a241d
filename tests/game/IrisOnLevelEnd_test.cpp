#include "PlayHarness.h"
#include "data/LevelSettings.h"
#include "game/components/IrisOnLevelEnd.h"
#include "graphics/Color.h"

namespace Orvex
{
namespace
{
// A bare level whose end waits three seconds, with an iris closing from 2 to 0.2
// and held for the last second.
struct EndingLevel
{
    EndingLevel()
    {
        IGamestate& state = play.PushBare();
        Entity& settings = play.Spawn("settings");
        settings.Add<Color>();
        settings.Add<LevelSettings>()->endTimer = 3.0f;
        PlayHarness::Start(settings);
        state.SetLevelSettings(settings.id);
        Entity& ring = play.Spawn("iris");
        iris = ring.Add<IrisOnLevelEnd>();
        iris->startRadius = 2.0f;
        iris->endRadius = 0.2f;
        iris->pauseTime = 1.0f;
        PlayHarness::Start(ring);
    }
    // Sent now, delivered at the end of a frame of no time.
    void EndLevel()
    {
        play.engine.SendMessage(MSG_END_LEVEL);
        play.Frame(0.0f);
    }

    PlayHarness play;
    IrisOnLevelEnd* iris = nullptr;
};

// No entity named "TumboWuffin" and no window: it runs all the same.
TEST(IrisOnLevelEnd, WaitsForTheEndThenClosesOverEndTimerLessPauseAndHoldsTheLastRadius)
{
    EndingLevel level;
    level.play.Frames(4, 0.25f);
    EXPECT_FALSE(level.iris->active);
    EXPECT_FLOAT_EQ(level.iris->timer, 0.0f);
    level.EndLevel();
    ASSERT_TRUE(level.iris->active);
    level.play.Frames(4, 0.25f);
    EXPECT_FLOAT_EQ(level.iris->radius, 1.1f); // t = 1 / 2: 2 + (0.2 - 2) / 2
    level.play.Frames(3, 0.25f);
    EXPECT_FLOAT_EQ(level.iris->radius, 0.425f); // t = 1.75 / 2: 2 - 1.8 x 0.875
    level.play.Frames(4, 0.25f);                 // 2 s on: the closed iris is held
    EXPECT_FLOAT_EQ(level.iris->radius, 0.425f);
    EXPECT_FLOAT_EQ(level.iris->timer, 2.75f);
}
} // namespace
} // namespace Orvex
