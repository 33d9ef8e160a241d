#include <gtest/gtest.h>

#include "physics/Transform.h"

namespace Orvex
{
namespace
{
tvec2 Apply(const tmat3& m, tvec2 p)
{
    const glm::vec3 world = m * glm::vec3(p, 1.0f);
    return {world.x, world.y};
}

TEST(TransformModelMatrix, ScalesThenRotatesThenTranslates)
{
    Transform transform;
    transform.position = {3.0f, -2.0f};
    transform.scale = {2.0f, 4.0f};
    transform.rotation = 1.5707964f; // a quarter turn counter-clockwise
    // (0.5, 0.5) scales to (1, 2), turns to (-2, 1), lands at (1, -1).
    const tvec2 world = Apply(transform.GetModelMatrix(), {0.5f, 0.5f});
    EXPECT_NEAR(world.x, 1.0f, 1e-6f);
    EXPECT_NEAR(world.y, -1.0f, 1e-6f);
}

} // namespace
} // namespace Orvex
