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
    Camera* camera = scene.AddCamera("Cam", {0.0f, 0.0f}, 3.0f);
    EXPECT_EQ(ActiveCamera(), camera);
}

TEST(ActiveCamera, ViewIsIdentityWithoutACamera)
{
    CameraScene scene;
    ExpectIdentity(ActiveViewMatrix(0.5f, 1.0f));
    ExpectIdentity(ActiveScreenToWorld());
    ExpectIdentity(ActivePlainViewMatrix());
    PlaceMouse(960, 180);
    EXPECT_EQ(MouseWorldPosition(), (tvec2{0.5f, 0.5f}));
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

TEST(MouseMapping, RoundTripThroughATurnedCamera)
{
    CameraScene scene;
    Camera* camera = scene.AddCamera("Cam", {-2.0f, 7.0f}, 4.0f);
    camera->owner->Get<Transform>()->rotation = -1.2f;
    for (auto [x, y] : {std::pair{0, 0}, {1280, 720}, {100, 650}, {640, 360}})
    {
        PlaceMouse(x, y);
        const tvec2 device = Apply(ActiveViewMatrix(1.0f, 1.0f), MouseWorldPosition());
        EXPECT_NEAR(device.x, Input::MouseDevicePosition().x, 1e-5f) << x << ", " << y;
        EXPECT_NEAR(device.y, Input::MouseDevicePosition().y, 1e-5f) << x << ", " << y;
    }
}
} // namespace
} // namespace Orvex
