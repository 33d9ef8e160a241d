#include "graphics/SceneView.h"

#include <gtest/gtest.h>

#include "TestScene.h"
#include "engine/Window.h"

namespace Orvex
{
namespace
{
tvec2 Device(const tmat3& view, tvec2 world)
{
    const glm::vec3 p = view * glm::vec3(world, 1.0f);
    return {p.x, p.y};
}

void ExpectNear(tvec2 actual, tvec2 expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
}

class SceneViewTest : public ::testing::Test
{
protected:
    void SetUp() override { Window::ResizeWindow(1280, 720); }
    TestScene scene;
    cTexture plain{1, 4, 4};
};

TEST_F(SceneViewTest, WithoutCameraWorldUnitsAreDeviceUnitsAndNothingIsCulled)
{
    const SceneView view(scene);
    EXPECT_EQ(view.Cull(), nullptr);
    Sprite* sprite = scene.AddSprite("s", {0.0f, 0.0f}, &plain);
    sprite->parallax = {0.5f, 0.5f};
    EXPECT_EQ(view.ViewFor(*sprite), tmat3(1.0f));
    EXPECT_EQ(view.WorldView(), tmat3(1.0f));
}

TEST_F(SceneViewTest, ParallaxHalfScrollsAtHalfTheCameraSpeed)
{
    scene.AddCamera({20.0f, 8.0f}, 10.0f);
    Sprite* near = scene.AddSprite("near", {0.0f, 0.0f}, &plain);
    Sprite* far = scene.AddSprite("far", {0.0f, 0.0f}, &plain);
    far->parallax = {0.5f, 0.5f};
    const SceneView view(scene);
    // The camera's centre for the far object is (10, 4).
    ExpectNear(Device(view.ViewFor(*near), {20.0f, 8.0f}), {0.0f, 0.0f});
    ExpectNear(Device(view.ViewFor(*far), {10.0f, 4.0f}), {0.0f, 0.0f});
    // 17.78 x 10 visible: half a height up is the top edge.
    ExpectNear(Device(view.ViewFor(*far), {10.0f, 9.0f}), {0.0f, 1.0f});
    ASSERT_NE(view.Cull(), nullptr);
    EXPECT_EQ(view.Cull()->centre, tvec2(20.0f, 8.0f));
    EXPECT_NEAR(view.Cull()->halfExtent.y, 5.0f * 1.05f, 1e-5f);
}

} // namespace
} // namespace Orvex
