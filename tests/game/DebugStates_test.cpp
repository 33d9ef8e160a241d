// The developer's states: each starts in its own level without systems.

#include <cstdio>
#include <string>

#include "PlayHarness.h"
#include "engine/AssetPaths.h"
#include "graphics/Camera.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyR = 21, key2 = 31, keyF4 = 61, keyF5 = 62, keyF6 = 63;

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

TEST(Segment1GS, F4AlternatesTheCamerasRReloadsF5SavesTheSlotF6LoadsItAndKeysRequestLevels)
{
    PlayHarness play;
    IGamestate& state = play.Push("Segment1GS");
    const std::string slot = AssetPath("Levels", "__savestate");
    std::remove(slot.c_str());
    EXPECT_EQ(state.CurrentLevel(), "segment1");
    EXPECT_TRUE(state.Systems().empty());
    ASSERT_NE(state.CameraEntity(), nullptr);
    EXPECT_EQ(state.CameraEntity()->name, "Camera1");
    EXPECT_NE(state.LevelSettingsEntity(), nullptr);
    for (const char* expected : {"Camera2", "Camera1", "Camera2"})
    {
        play.Press(keyF4);
        EXPECT_EQ(state.CameraEntity()->name, expected);
    }
    const std::uint32_t oldId = state.FindEntity("Ground")->id;
    play.Press(keyR); // loads at the next frame start
    EXPECT_EQ(state.CurrentLevel(), "segment1");
    EXPECT_NE(state.FindEntity("Ground")->id, oldId); // built anew

    play.Press(keyF4); // saved with the camera in use
    const std::string inUse = state.CameraEntity()->name;
    play.Press(keyF5);
    play.Press(keyF6);
    EXPECT_EQ(state.CurrentLevel(), "__savestate");
    ASSERT_NE(state.CameraEntity(), nullptr);
    EXPECT_EQ(state.CameraEntity()->name, inUse);
    EXPECT_EQ(state.Entities().size(), 5u);
    std::remove(slot.c_str());

    play.Press(key2);
    EXPECT_EQ(state.CurrentLevel(), "testlv");
}
} // namespace
} // namespace Orvex
