#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CameraScene.h"
#include "engine/Random.h"

namespace Orvex
{
namespace
{
constexpr float halfTurn = 3.14159265f;

void ExpectNear(tvec2 actual, tvec2 expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

// Size 10 at (3, 4) on a square window: the view spans 5 units each way.
Camera* SquareCamera(CameraScene& scene)
{
    Window::ResizeWindow(800, 800);
    return scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
}

// The shorter window side shows the size; unknown aspects count as square, and
// a size near zero (or not a number) shows the smallest extent, so that the view
// stays finite and still maps its own edge onto the device square's.
TEST(CameraSize, ShorterWindowSideShowsSizeAndNeverLessThanTheSmallest)
{
    const struct
    {
        float size, aspect;
        tvec2 extent;
    } cases[] = {
        {10.0f, 1280.0f / 720.0f, {17.7777778f, 10.0f}}, {10.0f, 600.0f / 800.0f, {10.0f, 13.3333333f}},
        {10.0f, 1.0f, {10.0f, 10.0f}},      {4.0f, 0.0f, {4.0f, 4.0f}},
        {4.0f, -2.0f, {4.0f, 4.0f}},        {0.0f, 1.0f, tvec2(kMinimumCameraSize)},
        {0.001f, 1.0f, tvec2(kMinimumCameraSize)}, {std::nanf(""), 1.0f, tvec2(kMinimumCameraSize)},
        {-0.001f, 1.0f, tvec2(-kMinimumCameraSize)}, {-3.0f, 1.0f, {-3.0f, -3.0f}},
    };
    for (const auto& c : cases)
        ExpectNear(VisibleExtent(c.size, c.aspect), c.extent);

    CameraScene scene;
    Camera* camera = scene.AddCamera("Cam", {0.0f, 0.0f}, 10.0f);
    ExpectNear(camera->Extent(), {17.7777778f, 10.0f});
    Window::ResizeWindow(640, 800);
    ExpectNear(camera->Extent(), {10.0f, 12.5f});
    camera = SquareCamera(scene);
    camera->size = 0.0f;
    const float shown = kMinimumCameraSize;
    ExpectNear(Apply(camera->GetViewMatrix(1.0f, 1.0f), {3.0f + shown / 2.0f, 4.0f}), {1.0f, 0.0f}, 1e-3f);
    ExpectNear(Apply(camera->GetScreenToWorld(), {1.0f, 0.0f}), {3.0f + shown / 2.0f, 4.0f});
}

TEST(CameraView, MapsTheVisibleRectangleTurnedAndParallaxScaledOntoTheDeviceSquare)
{
    CameraScene scene;
    Camera* camera = SquareCamera(scene);
    const struct
    {
        float rotation, parallax;
        tvec2 world, device;
    } cases[] = {
        {0.0f, 1.0f, {3.0f, 4.0f}, {0.0f, 0.0f}},
        {0.0f, 1.0f, {8.0f, 4.0f}, {1.0f, 0.0f}},
        {0.0f, 1.0f, {-2.0f, -1.0f}, {-1.0f, -1.0f}},
        // Turned by 90 degrees, what is above the camera shows on the right.
        {halfTurn / 2.0f, 1.0f, {3.0f, 9.0f}, {1.0f, 0.0f}},
        // Parallax scales the camera's position only: still turned and zoomed.
        {halfTurn / 2.0f, 0.0f, {0.0f, 5.0f}, {1.0f, 0.0f}},
        {halfTurn / 2.0f, 0.5f, {1.5f, 7.0f}, {1.0f, 0.0f}},
    };
    for (const auto& c : cases)
    {
        camera->owner->Get<Transform>()->rotation = c.rotation;
        ExpectNear(Apply(camera->GetViewMatrix(c.parallax, c.parallax), c.world), c.device);
    }
}

TEST(CameraView, ScreenToWorldUndoesTheView)
{
    CameraScene scene;
    Camera* camera = scene.AddCamera("Cam", {-7.0f, 2.5f}, 6.0f);
    camera->owner->Get<Transform>()->rotation = 0.7f;
    const tmat3 product = camera->GetScreenToWorld() * camera->GetViewMatrix(1.0f, 1.0f);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_NEAR(product[column][row], column == row ? 1.0f : 0.0f, 1e-5f);
}

TEST(CameraView, PlainViewIgnoresRotationAndShake)
{
    CameraScene scene;
    Camera* camera = SquareCamera(scene);
    camera->owner->Get<Transform>()->rotation = 1.0f;
    camera->StartShake(2.0f, 1.0f, 0.1f);
    ExpectNear(Apply(camera->GetPlainViewMatrix(), {8.0f, 4.0f}), {1.0f, 0.0f});
}

TEST(CameraShake, MessageJumpsTheViewEveryIntervalThenItReturnsToTheTransform)
{
    CameraScene scene;
    Random::Seed(7);
    Camera* camera = scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
    scene.engine.Send(MSG_SCREEN_SHAKE, ScreenShakeMessage{0.275f, 1.0f, 0.05f});
    scene.Deliver();
    // The view centres on the picked place.
    ExpectNear(Apply(camera->GetViewMatrix(1.0f, 1.0f), camera->shakePosition), {0.0f, 0.0f});
    std::set<std::pair<float, float>> offsets;
    int frames = 0;
    while (camera->shaking && frames < 1000)
    {
        offsets.insert({camera->shakePosition.x, camera->shakePosition.y});
        EXPECT_LE(std::fabs(camera->shakePosition.x - 3.0f), 0.275f);
        EXPECT_LE(std::fabs(camera->shakePosition.y - 4.0f), 0.275f);
        camera->Update(0.01f);
        ++frames;
    }
    EXPECT_NEAR(frames, 100, 1); // one second of 0.01 s frames
    // About one new offset per 0.05 s (a float sum of five 0.01 steps may fall
    // just short of 0.05 and wait a frame more).
    EXPECT_GE(offsets.size(), 16u);
    EXPECT_LE(offsets.size(), 21u);
    EXPECT_EQ(camera->shakeTimeLeft, 0.0f);
    EXPECT_EQ(camera->shakeAmplitude, 0.0f);
    ExpectNear(Apply(camera->GetViewMatrix(1.0f, 1.0f), {3.0f, 4.0f}), {0.0f, 0.0f});
}

TEST(CameraShake, HoldsTheLastPickWhileTheEntityMoves)
{
    CameraScene scene;
    Camera* camera = scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
    camera->StartShake(0.5f, 1.0f, 0.2f);
    const tvec2 picked = camera->shakePosition;
    camera->owner->Get<Transform>()->position = {100.0f, 100.0f};
    camera->Update(0.1f);
    ExpectNear(Apply(camera->GetViewMatrix(1.0f, 1.0f), picked), {0.0f, 0.0f});
    camera->Update(0.1f); // the next pick is around the new position
    EXPECT_LE(std::fabs(camera->shakePosition.x - 100.0f), 0.5f);
}

TEST(CameraMove, OnlyTheActiveCameraFollowsTheMessage)
{
    CameraScene scene;
    Camera* active = scene.AddCamera("Cam", {0.0f, 0.0f}, 10.0f);
    Camera* other = scene.AddCamera("Other", {1.0f, 1.0f}, 10.0f, false);
    scene.engine.Send(MSG_MOVE_CAMERA, MoveCameraMessage{5.0f, -6.0f});
    scene.Deliver();
    EXPECT_EQ(active->owner->Get<Transform>()->position, (tvec2{5.0f, -6.0f}));
    EXPECT_EQ(other->owner->Get<Transform>()->position, (tvec2{1.0f, 1.0f}));
}

TEST(CameraInit, WithoutTransformViewsFromTheOrigin)
{
    Camera camera;
    Entity entity("Bare");
    camera.owner = &entity;
    Window::ResizeWindow(800, 800);
    camera.size = 2.0f;
    ExpectNear(Apply(camera.GetViewMatrix(1.0f, 1.0f), {1.0f, 1.0f}), {1.0f, 1.0f});
}
} // namespace
} // namespace Orvex
