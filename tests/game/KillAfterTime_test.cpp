#include "PlayHarness.h"
#include "game/components/KillAfterTime.h"
#include "graphics/Color.h"

namespace Orvex
{
namespace
{
TEST(KillAfterTime, FadesWithTimeUnlessToldNotToAndIsRemovedWhenItRunsOut)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& puff = play.Spawn("puff");
    Color* color = puff.Add<Color>();
    puff.Add<KillAfterTime>()->time = 2.0f;
    PlayHarness::Start(puff);
    const std::uint32_t id = puff.id;
    Entity& steady = play.Spawn("steady");
    Color* steadyColor = steady.Add<Color>();
    KillAfterTime* unfaded = steady.Add<KillAfterTime>();
    unfaded->time = 2.0f;
    unfaded->fadeWithTime = false;
    PlayHarness::Start(steady);

    play.Frames(4, 0.25f);
    EXPECT_FLOAT_EQ(color->color.a, 0.5f);
    EXPECT_FLOAT_EQ(steadyColor->color.a, 1.0f);
    play.Frames(3, 0.25f);
    EXPECT_EQ(state.Entities().count(id), 1u);
    play.Frame(0.25f); // 2 s: removed at the next frame's start
    EXPECT_EQ(state.Entities().count(id), 0u);
}

TEST(KillAfterTime, ZeroLifeFadesFullyAndGoesAtOnce)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& puff = play.Spawn("puff");
    Color* color = puff.Add<Color>();
    puff.Add<KillAfterTime>()->time = 0.0f;
    PlayHarness::Start(puff);
    const std::uint32_t id = puff.id;
    state.Update(0.0f); // seen before the removal runs
    EXPECT_FLOAT_EQ(color->color.a, 0.0f);
    play.Frame();
    EXPECT_EQ(state.Entities().count(id), 0u);
}
} // namespace
} // namespace Orvex
