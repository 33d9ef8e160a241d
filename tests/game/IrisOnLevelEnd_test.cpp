#include "PlayHarness.h"
#include "data/LevelSettings.h"
#include "game/components/IrisOnLevelEnd.h"
#include "graphics/Color.h"

namespace Orvex
{
namespace
{
// A bare level whose end waits three seconds, with an iris closing from 2 to 0.2
// and held for the last second; no entity named "TumboWuffin" and no window: it
// runs all the same.
TEST(IrisOnLevelEnd, WaitsForTheEndThenClosesOverEndTimerLessPauseAndHoldsTheLastRadius)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& settings = play.Spawn("settings");
    settings.Add<Color>();
    settings.Add<LevelSettings>()->endTimer = 3.0f;
    PlayHarness::Start(settings);
    state.SetLevelSettings(settings.id);
    Entity& ring = play.Spawn("iris");
    IrisOnLevelEnd* iris = ring.Add<IrisOnLevelEnd>();
    iris->startRadius = 2.0f;
    iris->endRadius = 0.2f;
    iris->pauseTime = 1.0f;
    PlayHarness::Start(ring);

    play.Frames(4, 0.25f);
    EXPECT_FALSE(iris->active);
    EXPECT_FLOAT_EQ(iris->timer, 0.0f);
    play.engine.SendMessage(MSG_END_LEVEL);
    play.Frame(0.0f);
    ASSERT_TRUE(iris->active);
    play.Frames(4, 0.25f);
    EXPECT_FLOAT_EQ(iris->radius, 1.1f); // half way
    play.Frames(3, 0.25f);
    EXPECT_FLOAT_EQ(iris->radius, 0.425f); // 1.75 s of 2
    play.Frames(4, 0.25f);                 // 2 s on: the closed iris is held
    EXPECT_FLOAT_EQ(iris->radius, 0.425f);
    EXPECT_FLOAT_EQ(iris->timer, 2.75f);
}
} // namespace
} // namespace Orvex
