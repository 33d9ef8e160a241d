#include <gtest/gtest.h>

#include <cmath>

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

TEST(TransformModelMatrix, DefaultIsIdentity)
{
    const Transform transform;
    EXPECT_EQ(transform.GetModelMatrix(), tmat3(1.0f));
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

TEST(TransformModelMatrix, ColumnsFollowTheColumnMajorConvention)
{
    Transform transform;
    transform.position = {5.0f, 6.0f};
    transform.rotation = 0.5f;
    const tmat3 m = transform.GetModelMatrix();
    EXPECT_FLOAT_EQ(m[0][0], std::cos(0.5f));
    EXPECT_FLOAT_EQ(m[0][1], std::sin(0.5f));
    EXPECT_FLOAT_EQ(m[1][0], -std::sin(0.5f));
    EXPECT_FLOAT_EQ(m[2][0], 5.0f);
    EXPECT_FLOAT_EQ(m[2][1], 6.0f);
    EXPECT_FLOAT_EQ(m[2][2], 1.0f);
}
} // namespace
} // namespace Orvex
