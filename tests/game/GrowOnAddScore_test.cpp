#include "PlayHarness.h"
#include "engine/Window.h"
#include "game/components/GrowOnAddScore.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
struct Display
{
    Transform* transform;
    GrowOnAddScore* grow;
};

Display MakeDisplay(PlayHarness& play)
{
    Entity& hud = play.Spawn("hud");
    Transform* transform = hud.Add<Transform>();
    transform->scale = tvec2(0.4f, 0.1f);
    GrowOnAddScore* grow = hud.Add<GrowOnAddScore>();
    PlayHarness::Start(hud);
    return {transform, grow};
}

TEST(GrowOnAddScore, APointGrowsHalfAsMuchAcrossAtAspectTwoThenShrinksBack)
{
    Window::ResizeWindow(1280, 640);
    PlayHarness play;
    play.PushBare();
    Display display = MakeDisplay(play);
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frame(0.25f); // delivered at the end of this frame

    play.Frames(4, 0.25f); // growthDuration 1 s at 0.2 per second
    EXPECT_NEAR(display.transform->scale.y, 0.1f + 0.2f, 1e-5f);
    EXPECT_NEAR(display.transform->scale.x, 0.4f + 0.1f, 1e-5f);

    play.Frames(8, 0.25f); // still inside shrinkDelay (3 s from the point)
    EXPECT_NEAR(display.transform->scale.y, 0.3f, 1e-5f);

    play.Frames(1, 0.25f); // first shrinking step: 0.125 per second
    EXPECT_NEAR(display.transform->scale.y, 0.3f - 0.03125f, 1e-5f);
    EXPECT_NEAR(display.transform->scale.x, 0.5f - 0.015625f, 1e-5f);

    play.Frames(10, 0.25f);
    EXPECT_FLOAT_EQ(display.transform->scale.y, 0.1f); // back at the base, not below
    EXPECT_FLOAT_EQ(display.transform->scale.x, 0.4f);
}

TEST(GrowOnAddScore, GrowthStopsAtTheLargestAddedScale)
{
    PlayHarness play;
    play.PushBare();
    Display display = MakeDisplay(play);
    display.grow->growthRate = 10.0f;
    display.grow->growthDuration = 5.0f;
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frames(20, 0.25f);
    EXPECT_LT(display.transform->scale.y, 0.1f + 1.25f + 10.0f * 0.25f + 1e-4f);
    EXPECT_GE(display.transform->scale.y, 0.1f + 1.25f);
}
} // namespace
} // namespace Orvex
