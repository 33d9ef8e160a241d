#include <gtest/gtest.h>

#include "CameraScene.h"
#include "graphics/CameraController.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace
{
// SDL scancodes of the flight keys.
constexpr unsigned keyA = 4, keyC = 6, keyD = 7, keyS = 22, keyW = 26, keyX = 27, keyZ = 29;

struct Flight
{
    Flight()
    {
        camera = scene.AddCamera("Cam", {1.0f, 2.0f}, 10.0f);
        controller = camera->owner->Add<CameraController>();
        controller->moveSpeed = 4.0f;
        controller->zoomSpeed = 2.0f;
        controller->rotSpeed = 0.5f;
        controller->Init();
    }
    ~Flight() { Input::Current().keys.reset(); }
    void Hold(std::initializer_list<unsigned> keys)
    {
        Input::Current().keys.reset();
        for (unsigned key : keys)
            Input::Current().keys.set(key);
    }
    Transform& transform() { return *camera->owner->Get<Transform>(); }

    CameraScene scene;
    Camera* camera;
    CameraController* controller;
};

TEST(CameraController, HeldKeysMoveZoomAndTurn)
{
    Flight flight;
    flight.Hold({keyW, keyD, keyZ, keyX});
    flight.controller->Update(0.5f);
    EXPECT_EQ(flight.transform().position, (tvec2{3.0f, 4.0f}));
    EXPECT_EQ(flight.camera->size, 11.0f);
    EXPECT_EQ(flight.transform().rotation, 0.25f);

    flight.Hold({keyS, keyA, keyC});
    flight.controller->Update(0.5f);
    EXPECT_EQ(flight.transform().position, (tvec2{1.0f, 2.0f}));
    EXPECT_EQ(flight.camera->size, 10.0f);
    EXPECT_EQ(flight.transform().rotation, 0.25f);
}

TEST(CameraController, ZoomingInStopsAtTheSmallestSizeAndZoomingOutAnswersAtOnce)
{
    Flight flight;
    flight.Hold({keyC});
    flight.controller->Update(60.0f);
    EXPECT_EQ(flight.camera->size, kMinimumCameraSize);
    flight.Hold({keyZ});
    flight.controller->Update(0.5f);
    EXPECT_EQ(flight.camera->size, kMinimumCameraSize + 1.0f);
}

TEST(CameraController, OppositeKeysCancel)
{
    Flight flight;
    flight.Hold({keyW, keyS, keyA, keyD, keyZ, keyC});
    flight.controller->Update(1.0f);
    EXPECT_EQ(flight.transform().position, (tvec2{1.0f, 2.0f}));
    EXPECT_EQ(flight.camera->size, 10.0f);
}
} // namespace
} // namespace Orvex
