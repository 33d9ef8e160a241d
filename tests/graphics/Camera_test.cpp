#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "TestScene.h"
#include "actions/ActionSystem.h"
#include "engine/Random.h"
#include "graphics/CameraController.h"
#include "graphics/CameraFade.h"
#include "graphics/CameraView.h"
#include "graphics/DynamicCamera.h"
#include "graphics/FollowCam.h"
#include "messaging/Input.h"
#include "physics/RigidBody.h"

namespace Orvex
{
namespace
{
void ExpectNear(tvec2 actual, tvec2 expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

// Size 10 at (3, 4) on a square window: the view spans 5 units each way.
Camera* SquareCamera(EngineScene& scene)
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

    EngineScene scene;
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

// The plain view ignores rotation and shake, the screen-to-world matrix undoes the
// view, and a camera without a Transform (the editor's) views from the origin.
TEST(CameraView, MapsTheVisibleRectangleTurnedAndParallaxScaledOntoTheDeviceSquare)
{
    constexpr float quarterTurn = 1.57079633f;
    EngineScene scene;
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
        {quarterTurn, 1.0f, {3.0f, 9.0f}, {1.0f, 0.0f}},
        // Parallax scales the camera's position only: still turned and zoomed.
        {quarterTurn, 0.0f, {0.0f, 5.0f}, {1.0f, 0.0f}},
        {quarterTurn, 0.5f, {1.5f, 7.0f}, {1.0f, 0.0f}},
    };
    for (const auto& c : cases)
    {
        camera->owner->Get<Transform>()->rotation = c.rotation;
        ExpectNear(Apply(camera->GetViewMatrix(c.parallax, c.parallax), c.world), c.device);
    }
    camera->owner->Get<Transform>()->rotation = 0.7f;
    const tmat3 product = camera->GetScreenToWorld() * camera->GetViewMatrix(1.0f, 1.0f);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_NEAR(product[column][row], column == row ? 1.0f : 0.0f, 1e-5f);
    camera->StartShake(2.0f, 1.0f, 0.1f);
    ExpectNear(Apply(camera->GetPlainViewMatrix(), {8.0f, 4.0f}), {1.0f, 0.0f});

    Camera bare;
    Entity entity("Bare");
    bare.owner = &entity;
    bare.size = 2.0f;
    ExpectNear(Apply(bare.GetViewMatrix(1.0f, 1.0f), {1.0f, 1.0f}), {1.0f, 1.0f});
}

// Without an engine, a state or a camera entity every view is the identity;
// with a camera the mouse's pixel maps through it.
TEST(ActiveCamera, NoneWithoutEngineStateOrCameraEntityAndTheMouseMapsThroughIt)
{
    EXPECT_EQ(ActiveCamera(), nullptr);
    EngineScene scene;
    EXPECT_EQ(ActiveCamera(), nullptr);
    EXPECT_EQ(ActiveViewMatrix(0.5f, 1.0f), tmat3(1.0f));
    EXPECT_EQ(ActiveScreenToWorld(), tmat3(1.0f));
    EXPECT_EQ(ActivePlainViewMatrix(), tmat3(1.0f));
    Input::Current().mouseX = 960; // device (0.5, 0.5) on 1280 x 720
    Input::Current().mouseY = 180;
    EXPECT_EQ(MouseWorldPosition(), (tvec2{0.5f, 0.5f}));
    Camera* camera = scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
    EXPECT_EQ(ActiveCamera(), camera);
    ExpectNear(MouseWorldPosition(), {3.0f + 0.5f * 17.7777778f / 2.0f, 4.0f + 0.5f * 10.0f / 2.0f});
}

TEST(CameraShake, MessageJumpsTheViewEveryIntervalThenItReturnsToTheTransform)
{
    EngineScene scene;
    Random::Seed(7);
    Camera* camera = scene.AddCamera("Cam", {3.0f, 4.0f}, 10.0f);
    scene.Send(MSG_SCREEN_SHAKE, ScreenShakeMessage{0.275f, 1.0f, 0.05f});
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
    EXPECT_EQ(camera->shakeAmplitude, 0.0f);
    ExpectNear(Apply(camera->GetViewMatrix(1.0f, 1.0f), {3.0f, 4.0f}), {0.0f, 0.0f});
}

TEST(CameraMove, OnlyTheActiveCameraFollowsTheMessage)
{
    EngineScene scene;
    Camera* active = scene.AddCamera("Cam", {0.0f, 0.0f}, 10.0f);
    Camera* other = scene.AddCamera("Other", {1.0f, 1.0f}, 10.0f, false);
    scene.Send(MSG_MOVE_CAMERA, MoveCameraMessage{5.0f, -6.0f});
    EXPECT_EQ(active->owner->Get<Transform>()->position, (tvec2{5.0f, -6.0f}));
    EXPECT_EQ(other->owner->Get<Transform>()->position, (tvec2{1.0f, 1.0f}));
}

// Each row holds its keys (SDL scancodes) for dt after the rows before it:
// zooming in stops at the smallest size, so that zooming out answers at once.
TEST(CameraController, HeldKeysMoveZoomAndTurnAndOppositeKeysCancel)
{
    constexpr unsigned keyA = 4, keyC = 6, keyD = 7, keyS = 22, keyW = 26, keyX = 27, keyZ = 29;
    EngineScene scene;
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

// A distance of 0 or no camera leaves the alpha, started at 0.75.
TEST(CameraFade, AlphaFallsWithDistanceToTheMinimum)
{
    EngineScene scene;
    const auto alphaAt = [&scene](tvec2 position, float distance)
    {
        Entity* entity = scene.Add("Plank", position);
        CameraFade* fade = entity->Add<CameraFade>();
        fade->distanceTillFadedOut = distance;
        fade->minAlphaFade = 0.2f;
        entity->InitComponents();
        entity->Get<Color>()->color.a = 0.75f;
        fade->Update(0.016f);
        return entity->Get<Color>()->color.a;
    };
    EXPECT_EQ(alphaAt({4.0f, 5.0f}, 10.0f), 0.75f);
    scene.AddCamera("Cam", {1.0f, 1.0f}, 10.0f);
    EXPECT_FLOAT_EQ(alphaAt({1.0f, 1.0f}, 10.0f), 1.0f);
    EXPECT_FLOAT_EQ(alphaAt({4.0f, 5.0f}, 10.0f), 0.5f);
    EXPECT_FLOAT_EQ(alphaAt({31.0f, 41.0f}, 10.0f), 0.2f);
    EXPECT_EQ(alphaAt({4.0f, 5.0f}, 0.0f), 0.75f);
}

// A camera at height 20 following "Player", who falls at 2 units a second.
struct Following
{
    Following()
    {
        camera = scene.AddCamera("Cam", {0.0f, 20.0f}, 3.0f);
        follower = camera->owner->Add<FollowCam>();
        follower->objectName = "Player";
        follower->Init();
        player = scene.Add("Player", {7.0f, 0.0f});
        player->Add<RigidBody>()->velocity = {0.0f, -2.0f};
    }
    tvec2 CameraPosition() const { return camera->owner->Get<Transform>()->position; }

    EngineScene scene;
    Camera* camera;
    FollowCam* follower;
    Entity* player;
};

// Far below or above, the camera snaps to the bounds around the target; inside
// the band it eases after it at the target's vertical speed.
TEST(FollowCam, SnapsToTheBoundsAroundTheTargetAndEasesInsideThem)
{
    const struct
    {
        tvec2 target;
        float lower, upper;
        tvec2 camera;
    } cases[] = {
        {{7.0f, 0.0f}, 5.0f, 1.0f, {7.0f, 5.0f}},
        {{0.0f, 30.0f}, 5.0f, 1.0f, {0.0f, 29.0f}},
        {{0.0f, 24.0f}, 1.0f, 5.0f, {0.0f, 20.2f}},
    };
    for (const auto& c : cases)
    {
        Following following;
        following.follower->lowerBounds = c.lower;
        following.follower->upperBounds = c.upper;
        following.player->Get<Transform>()->position = c.target;
        following.follower->Update(0.1f);
        ExpectNear(following.CameraPosition(), c.camera);
    }
}

TEST(FollowCam, ZoomsInToFollowSizeThenReportsDone)
{
    Following following;
    following.follower->zoomSpeed = 1.0f;
    following.follower->Update(1.5f);
    EXPECT_EQ(following.camera->size, 1.5f);
    following.follower->Update(1.0f); // would pass the size: stops on it
    EXPECT_EQ(following.camera->size, 1.0f);
    EXPECT_FALSE(following.follower->zoomDone);
    following.follower->Update(1.0f);
    EXPECT_TRUE(following.follower->zoomDone);
}

TEST(FollowCam, StoppedOrWithoutTargetOrBodyItStays)
{
    Following following;
    following.follower->stopped = true;
    following.follower->Update(0.1f);
    EXPECT_EQ(following.camera->size, 3.0f);
    following.follower->stopped = false;
    following.follower->objectName = "Nobody";
    following.follower->Update(0.1f);
    EXPECT_EQ(following.CameraPosition(), (tvec2{0.0f, 20.0f}));
    following.follower->objectName = "Player";
    following.player->RemoveComponent("RigidBody");
    following.follower->Update(0.1f);
    EXPECT_EQ(following.CameraPosition(), (tvec2{0.0f, 20.0f}));
}

// F1 (SDL scancode 58) stops the follower and tweens the size with QuadIn from
// the next update; other keys do nothing.
TEST(DynamicCamera, F1StopsTheFollowerAndZoomsWithQuadIn)
{
    Following following;
    DynamicCamera* zoom = following.camera->owner->Add<DynamicCamera>();
    zoom->size = 4.0f;
    zoom->speed = 1.0f;
    following.camera->size = 10.0f;
    zoom->Init();
    Entity& entity = *following.camera->owner;
    following.scene.Send(MSG_KEYDOWN, KeyMessage{59});
    EXPECT_FALSE(following.follower->stopped);
    EXPECT_TRUE(entity.actions.empty());
    following.scene.Send(MSG_KEYDOWN, KeyMessage{58});
    EXPECT_TRUE(following.follower->stopped);
    ASSERT_EQ(entity.actions.size(), 1u);
    EXPECT_EQ(following.camera->size, 10.0f);
    AdvanceActions(entity, 0.5f);
    EXPECT_FLOAT_EQ(following.camera->size, 8.5f); // 10 - 6 * 0.25
    AdvanceActions(entity, 0.5f);
    EXPECT_EQ(following.camera->size, 4.0f);
    EXPECT_TRUE(entity.actions.empty());
}
} // namespace
} // namespace Orvex
