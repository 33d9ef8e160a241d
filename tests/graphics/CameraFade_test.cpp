#include <gtest/gtest.h>

#include "CameraScene.h"
#include "graphics/CameraFade.h"
#include "graphics/Color.h"

namespace Orvex
{
namespace
{
// Alpha after an update of a plank at position, started at 0.75.
float AlphaAt(CameraScene& scene, tvec2 position, float distance)
{
    Entity* entity = scene.Add("Plank", position);
    Color* color = entity->Add<Color>();
    CameraFade* fade = entity->Add<CameraFade>();
    fade->distanceTillFadedOut = distance;
    fade->minAlphaFade = 0.2f;
    entity->InitComponents();
    color->color.a = 0.75f;
    fade->Update(0.016f);
    return color->color.a;
}

// A distance of 0 or no camera leaves the alpha.
TEST(CameraFade, AlphaFallsWithDistanceToTheMinimum)
{
    CameraScene scene;
    EXPECT_EQ(AlphaAt(scene, {4.0f, 5.0f}, 10.0f), 0.75f);
    scene.AddCamera("Cam", {1.0f, 1.0f}, 10.0f);
    EXPECT_FLOAT_EQ(AlphaAt(scene, {1.0f, 1.0f}, 10.0f), 1.0f);
    EXPECT_FLOAT_EQ(AlphaAt(scene, {4.0f, 5.0f}, 10.0f), 0.5f);
    EXPECT_FLOAT_EQ(AlphaAt(scene, {31.0f, 41.0f}, 10.0f), 0.2f);
    EXPECT_EQ(AlphaAt(scene, {4.0f, 5.0f}, 0.0f), 0.75f);
}
} // namespace
} // namespace Orvex
