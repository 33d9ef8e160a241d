#include <string>

#include "PlayHarness.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyR = 21;

TEST(TestGS, StartsInItsTestLevelWithoutSystemsCountsItsEntitiesOnceASecondAndRReloads)
{
    PlayHarness play;
    ::testing::internal::CaptureStdout();
    IGamestate& state = play.Push("TestGS");
    play.Frame();
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(state.CurrentLevel(), "testlv");
    EXPECT_TRUE(state.Systems().empty());
    const Entity* player = state.FindEntity("TumboWuffin");
    ASSERT_NE(player, nullptr);
    // The level settings follow the player, where a listener would hear from.
    EXPECT_EQ(state.LevelSettingsEntity()->Get<Transform>()->position,
              player->Get<Transform>()->position);

    ::testing::internal::CaptureStdout();
    play.Frames(4, 0.3f); // 1.2 s with the first frame's step: one count
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "Components num: " + std::to_string(state.Entities().size()) + "\n");

    const Entity* before = state.FindEntity("Ground");
    play.Press(keyR);
    EXPECT_NE(state.FindEntity("Ground"), nullptr);
    EXPECT_NE(state.FindEntity("Ground"), before);
}
} // namespace
} // namespace Orvex
