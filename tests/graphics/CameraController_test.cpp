#include <gtest/gtest.h>

#include <vector>

#include "CameraScene.h"
#include "graphics/CameraController.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace
{
// SDL scancodes of the flight keys.
constexpr unsigned keyA = 4, keyC = 6, keyD = 7, keyS = 22, keyW = 26, keyX = 27, keyZ = 29;

// Each row holds its keys for dt after the rows before it: zooming in stops at
// the smallest size, so that zooming out answers at once.
TEST(CameraController, HeldKeysMoveZoomAndTurnAndOppositeKeysCancel)
{
    CameraScene scene;
    Camera* camera = scene.AddCamera("Cam", {1.0f, 2.0f}, 10.0f);
    CameraController* controller = camera->owner->Add<CameraController>();
    controller->moveSpeed = 4.0f;
    controller->zoomSpeed = 2.0f;
    controller->rotSpeed = 0.5f;
    controller->Init();
    const Transform& transform = *camera->owner->Get<Transform>();
    const struct
    {
        std::vector<unsigned> keys;
        float dt;
        tvec2 position;
        float size, rotation;
    } rows[] = {
        {{keyW, keyD, keyZ, keyX}, 0.5f, {3.0f, 4.0f}, 11.0f, 0.25f},
        {{keyS, keyA, keyC}, 0.5f, {1.0f, 2.0f}, 10.0f, 0.25f},
        {{keyW, keyS, keyA, keyD, keyZ, keyC}, 1.0f, {1.0f, 2.0f}, 10.0f, 0.25f},
        {{keyC}, 60.0f, {1.0f, 2.0f}, kMinimumCameraSize, 0.25f},
        {{keyZ}, 0.5f, {1.0f, 2.0f}, kMinimumCameraSize + 1.0f, 0.25f},
    };
    for (const auto& row : rows)
    {
        Input::Current().keys.reset();
        for (unsigned key : row.keys)
            Input::Current().keys.set(key);
        controller->Update(row.dt);
        EXPECT_EQ(transform.position, row.position) << row.keys[0];
        EXPECT_EQ(camera->size, row.size) << row.keys[0];
        EXPECT_EQ(transform.rotation, row.rotation) << row.keys[0];
    }
    Input::Current().keys.reset();
}
} // namespace
} // namespace Orvex
