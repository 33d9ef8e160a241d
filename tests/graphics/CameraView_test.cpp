#include <gtest/gtest.h>

#include "CameraScene.h"
#include "graphics/CameraView.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace
{
void PlaceMouse(int x, int y)
{
    Input::Current().mouseX = x;
    Input::Current().mouseY = y;
}

void ExpectIdentity(const tmat3& matrix)
{
    EXPECT_EQ(matrix, tmat3(1.0f));
}

TEST(ActiveCamera, NoneWithoutEngineStateOrCameraEntity)
{
    EXPECT_EQ(ActiveCamera(), nullptr);
    CameraScene scene;
    EXPECT_EQ(ActiveCamera(), nullptr);
    // Without a camera every view is the identity.
    ExpectIdentity(ActiveViewMatrix(0.5f, 1.0f));
    ExpectIdentity(ActiveScreenToWorld());
    ExpectIdentity(ActivePlainViewMatrix());
    PlaceMouse(960, 180);
    EXPECT_EQ(MouseWorldPosition(), (tvec2{0.5f, 0.5f}));
    Camera* camera = scene.AddCamera("Cam", {0.0f, 0.0f}, 3.0f);
    EXPECT_EQ(ActiveCamera(), camera);
}

TEST(MouseMapping, PixelToWorldThroughTheCamera)
{
    CameraScene scene;
    scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
    PlaceMouse(960, 180); // device (0.5, 0.5) on 1280 x 720
    const tvec2 world = MouseWorldPosition();
    EXPECT_NEAR(world.x, 3.0f + 0.5f * 17.7777778f / 2.0f, 1e-5f);
    EXPECT_NEAR(world.y, 4.0f + 0.5f * 10.0f / 2.0f, 1e-5f);
}

} // namespace
} // namespace Orvex
