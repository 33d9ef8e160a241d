#include <cstdio>

#include "PlayHarness.h"
#include "engine/AssetPaths.h"
#include "graphics/Camera.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyR = 21, key2 = 31, keyF4 = 61, keyF5 = 62, keyF6 = 63;

TEST(Segment1GS, StartsInItsSandboxF4AlternatesTheCamerasAndKeysRequestLevels)
{
    PlayHarness play;
    IGamestate& state = play.Push("Segment1GS");
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
    play.Press(key2);
    EXPECT_EQ(state.CurrentLevel(), "testlv");
}

TEST(Segment1GS, F5SavesTheSlotAndF6LoadsIt)
{
    PlayHarness play;
    IGamestate& state = play.Push("Segment1GS");
    const std::string path = AssetPath("Levels", "__savestate");
    std::remove(path.c_str());
    play.Press(keyF4); // saved with the camera in use
    play.Press(keyF5);
    play.Press(keyF6);
    EXPECT_EQ(state.CurrentLevel(), "__savestate");
    ASSERT_NE(state.CameraEntity(), nullptr);
    EXPECT_EQ(state.CameraEntity()->name, "Camera2");
    EXPECT_EQ(state.Entities().size(), 5u);
    std::remove(path.c_str());
}
} // namespace
} // namespace Orvex
