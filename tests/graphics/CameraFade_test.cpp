#include <gtest/gtest.h>

#include "CameraScene.h"
#include "graphics/CameraFade.h"
#include "graphics/Color.h"

namespace Orvex
{
namespace
{
// An initialised fading entity at position.
CameraFade* AddFading(CameraScene& scene, tvec2 position, float distance, float minimum = 0.2f)
{
    Entity* entity = scene.Add("Plank", position);
    entity->Add<Color>();
    CameraFade* fade = entity->Add<CameraFade>();
    fade->distanceTillFadedOut = distance;
    fade->minAlphaFade = minimum;
    entity->InitComponents();
    return fade;
}

float AlphaAfterUpdate(CameraFade* fade)
{
    fade->owner->Get<Color>()->color.a = 0.75f;
    fade->Update(0.016f);
    return fade->owner->Get<Color>()->color.a;
}

TEST(CameraFade, AlphaFallsWithDistanceToTheMinimum)
{
    CameraScene scene;
    scene.AddCamera("Cam", {1.0f, 1.0f}, 10.0f);
    EXPECT_FLOAT_EQ(AlphaAfterUpdate(AddFading(scene, {1.0f, 1.0f}, 10.0f)), 1.0f);
    EXPECT_FLOAT_EQ(AlphaAfterUpdate(AddFading(scene, {4.0f, 5.0f}, 10.0f)), 0.5f);
    EXPECT_FLOAT_EQ(AlphaAfterUpdate(AddFading(scene, {31.0f, 41.0f}, 10.0f)), 0.2f);
}

TEST(CameraFade, ZeroDistanceOrNoCameraLeavesTheAlpha)
{
    CameraScene scene;
    CameraFade* fade = AddFading(scene, {4.0f, 5.0f}, 10.0f);
    EXPECT_EQ(AlphaAfterUpdate(fade), 0.75f); // no camera yet
    scene.AddCamera("Cam", {1.0f, 1.0f}, 10.0f);
    fade->distanceTillFadedOut = 0.0f;
    EXPECT_EQ(AlphaAfterUpdate(fade), 0.75f);
}
} // namespace
} // namespace Orvex
