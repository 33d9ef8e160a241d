#include <gtest/gtest.h>

#include "CameraScene.h"
#include "graphics/FollowCam.h"
#include "physics/RigidBody.h"

namespace Orvex
{
namespace
{
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

    CameraScene scene;
    Camera* camera;
    FollowCam* follower;
    Entity* player;
};

TEST(FollowCam, TargetFarBelowOrAboveSnapsTheCameraToTheBoundsAroundIt)
{
    for (const auto& [target, camera] : {std::pair{tvec2(7.0f, 0.0f), tvec2(7.0f, 5.0f)},
                                         std::pair{tvec2(0.0f, 30.0f), tvec2(0.0f, 29.0f)}})
    {
        Following following;
        following.player->Get<Transform>()->position = target;
        following.follower->Update(0.1f);
        EXPECT_EQ(following.CameraPosition(), camera);
    }
}

TEST(FollowCam, EasesAfterTheTargetAtItsVerticalSpeed)
{
    FollowCam follower;
    follower.lowerBounds = 1.0f;
    follower.upperBounds = 5.0f;
    // Inside the band; k = (3 + 1) / (5 + 1), step = k * 2 * 0.5.
    EXPECT_FLOAT_EQ(follower.FollowHeight(0.0f, 3.0f, -2.0f, 0.5f), 2.0f / 3.0f);
    // Within lowerBounds of the target: holds still.
    EXPECT_EQ(follower.FollowHeight(2.5f, 3.0f, -2.0f, 0.5f), 2.5f);
}

TEST(FollowCam, ZoomsInToFollowSizeThenReportsDone)
{
    Following following;
    following.follower->followSize = 1.0f;
    following.follower->zoomSpeed = 1.0f;
    following.follower->Update(1.5f);
    EXPECT_EQ(following.camera->size, 1.5f);
    EXPECT_FALSE(following.follower->zoomDone);
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
    EXPECT_EQ(following.CameraPosition(), (tvec2{0.0f, 20.0f}));
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
} // namespace
} // namespace Orvex
