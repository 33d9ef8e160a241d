#include "PlayHarness.h"
#include "game/components/RotateOnAddScore.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
Transform* MakeSpinner(PlayHarness& play)
{
    Entity& hud = play.Spawn("hud");
    Transform* transform = hud.Add<Transform>();
    hud.Add<RotateOnAddScore>();
    PlayHarness::Start(hud);
    return transform;
}

TEST(RotateOnAddScore, TurnsAtTheBaseRateAndAPointSpinsItUpUntilTheSpinDecaysBack)
{
    PlayHarness play;
    play.PushBare();
    Transform* transform = MakeSpinner(play);
    play.Frames(8, 0.25f);
    EXPECT_FLOAT_EQ(transform->rotation, 0.5f * 2.0f);
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frame(0.25f);
    float before = transform->rotation;
    play.Frames(4, 0.25f);
    EXPECT_GT(transform->rotation - before, 0.5f * 1.0f + 0.1f); // faster than the base

    play.Frames(40, 0.25f); // long after: the added spin is gone, never negative
    before = transform->rotation;
    play.Frames(4, 0.25f);
    EXPECT_FLOAT_EQ(transform->rotation - before, 0.5f * 1.0f);
}
} // namespace
} // namespace Orvex
