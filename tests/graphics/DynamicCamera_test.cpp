#include <gtest/gtest.h>

#include "CameraScene.h"
#include "actions/ActionSystem.h"
#include "graphics/DynamicCamera.h"
#include "graphics/FollowCam.h"

namespace Orvex
{
namespace
{
constexpr unsigned f1 = 58; // SDL scancode

struct Zooming
{
    Zooming()
    {
        Entity* entity = scene.Add("Cam");
        camera = entity->Add<Camera>();
        camera->size = 10.0f;
        follower = entity->Add<FollowCam>();
        zoom = entity->Add<DynamicCamera>();
        zoom->size = 4.0f;
        zoom->speed = 1.0f;
        entity->InitComponents();
    }
    void Press(unsigned scancode)
    {
        scene.engine.Send(MSG_KEYDOWN, KeyMessage{scancode});
        scene.Deliver();
    }

    CameraScene scene;
    Camera* camera;
    FollowCam* follower;
    DynamicCamera* zoom;
};

TEST(DynamicCamera, F1StopsTheFollowerAndZoomsWithQuadIn)
{
    Zooming zooming;
    zooming.Press(59); // F2: nothing
    EXPECT_FALSE(zooming.follower->stopped);
    EXPECT_TRUE(zooming.camera->owner->actions.empty());
    zooming.Press(f1);
    EXPECT_TRUE(zooming.follower->stopped);
    Entity& entity = *zooming.camera->owner;
    ASSERT_EQ(entity.actions.size(), 1u);
    EXPECT_EQ(zooming.camera->size, 10.0f); // the tween starts with the next update
    AdvanceActions(entity, 0.5f);
    EXPECT_FLOAT_EQ(zooming.camera->size, 8.5f); // 10 - 6 * 0.25
    AdvanceActions(entity, 0.5f);
    EXPECT_EQ(zooming.camera->size, 4.0f);
    EXPECT_TRUE(entity.actions.empty());
}

} // namespace
} // namespace Orvex
