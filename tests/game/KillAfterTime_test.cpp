#include "PlayHarness.h"
#include "game/components/KillAfterTime.h"
#include "graphics/Color.h"

namespace Orvex
{
namespace
{
TEST(KillAfterTime, FadesWithTimeUnlessToldNotToAndIsRemovedWhenItRunsOutAtOnceForZero)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    const auto puff = [&play](const char* name, float time, bool fade) -> Entity&
    {
        Entity& entity = play.Spawn(name);
        entity.Add<Color>();
        KillAfterTime* kill = entity.Add<KillAfterTime>();
        kill->time = time;
        kill->fadeWithTime = fade;
        return PlayHarness::Start(entity);
    };
    Entity& fading = puff("puff", 2.0f, true);
    Entity& steady = puff("steady", 2.0f, false);
    Entity& flash = puff("flash", 0.0f, true);
    const std::uint32_t id = fading.id, flashId = flash.id;

    state.Update(0.0f); // seen before the removal runs
    EXPECT_FLOAT_EQ(flash.Get<Color>()->color.a, 0.0f);
    play.Frame(0.0f);
    EXPECT_EQ(state.Entities().count(flashId), 0u);

    play.Frames(4, 0.25f);
    EXPECT_FLOAT_EQ(fading.Get<Color>()->color.a, 0.5f);
    EXPECT_FLOAT_EQ(steady.Get<Color>()->color.a, 1.0f);
    play.Frames(3, 0.25f);
    EXPECT_EQ(state.Entities().count(id), 1u);
    play.Frame(0.25f); // 2 s: removed at the next frame's start
    EXPECT_EQ(state.Entities().count(id), 0u);
}
} // namespace
} // namespace Orvex
