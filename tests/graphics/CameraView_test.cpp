#include <gtest/gtest.h>

#include "CameraScene.h"
#include "graphics/CameraView.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace
{
// Without an engine, a state or a camera entity every view is the identity;
// with a camera the mouse's pixel maps through it.
TEST(ActiveCamera, NoneWithoutEngineStateOrCameraEntityAndTheMouseMapsThroughIt)
{
    EXPECT_EQ(ActiveCamera(), nullptr);
    CameraScene scene;
    EXPECT_EQ(ActiveCamera(), nullptr);
    EXPECT_EQ(ActiveViewMatrix(0.5f, 1.0f), tmat3(1.0f));
    EXPECT_EQ(ActiveScreenToWorld(), tmat3(1.0f));
    EXPECT_EQ(ActivePlainViewMatrix(), tmat3(1.0f));
    Input::Current().mouseX = 960; // device (0.5, 0.5) on 1280 x 720
    Input::Current().mouseY = 180;
    EXPECT_EQ(MouseWorldPosition(), (tvec2{0.5f, 0.5f}));
    Camera* camera = scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
    EXPECT_EQ(ActiveCamera(), camera);
    const tvec2 world = MouseWorldPosition();
    EXPECT_NEAR(world.x, 3.0f + 0.5f * 17.7777778f / 2.0f, 1e-5f);
    EXPECT_NEAR(world.y, 4.0f + 0.5f * 10.0f / 2.0f, 1e-5f);
}
} // namespace
} // namespace Orvex
