#include <gtest/gtest.h>

#include <utility>

#include "PhysicsWorld.h"
#include "physics/ColliderQueries.h"

namespace Orvex
{
namespace
{
// A 2 × 1 box turned a quarter: it covers x 2.5 to 3.5, y 3 to 5.
const BodySpec standing{{3.0f, 4.0f}, {2.0f, 1.0f}, true, {}, 1.5707964f};

// Points are tested in the placed mesh; on an edge they count by the winding
// (the one edge function there is 0, which the strict tests count with the
// other two only when those are positive); a mesh without faces holds nothing.
TEST(ColliderQueries, PointInMeshFollowsTheModelMatrixAndTheWinding)
{
    PhysicsWorld world;
    const Entity& door = *world.Box("Door", standing);
    const cMesh& square = *GetMesh("Square");
    EXPECT_TRUE(PointInMesh({3.0f, 4.9f}, square, door));
    EXPECT_TRUE(PointInMesh({3.4f, 3.1f}, square, door));
    EXPECT_FALSE(PointInMesh({3.9f, 4.0f}, square, door)); // inside were it not turned
    EXPECT_FALSE(PointInMesh({3.0f, 5.1f}, square, door));
    cMesh reversed = square;
    for (cMesh::Face& face : reversed.faces)
        std::swap(face[1], face[2]);
    EXPECT_TRUE(PointInMesh({0.0f, 0.5f}, square, tmat3(1.0f)));
    EXPECT_FALSE(PointInMesh({0.0f, 0.5f}, reversed, tmat3(1.0f)));
    EXPECT_TRUE(PointInMesh({0.2f, 0.3f}, square, tmat3(1.0f)));
    EXPECT_TRUE(PointInMesh({0.2f, 0.3f}, reversed, tmat3(1.0f)));
    cMesh stick;
    stick.points = {{-1.0f, 0.0f}, {1.0f, 0.0f}};
    stick.edges = {{0, 1}};
    EXPECT_FALSE(PointInMesh({0.0f, 0.0f}, stick, tmat3(1.0f)));
}

// The collider's own shape, placed: scaled, then turned, then moved.
TEST(ColliderQueries, PointInColliderAndBoundsUseThePlacedShape)
{
    PhysicsWorld world;
    EXPECT_TRUE(PointInCollider({0.4f, 0.4f}, *world.Box("Sensor", {}, true)));
    const Entity& ramp = *world.Shape("Ramp", world.Keep(Ramp()), {});
    EXPECT_TRUE(PointInCollider({0.5f, 0.0f}, ramp));   // below the slope's 0.25
    EXPECT_FALSE(PointInCollider({-0.5f, 0.3f}, ramp)); // above its -0.25, inside its bounds
    EXPECT_FALSE(PointInCollider({0.0f, 0.0f}, *world.Place(world.Body("Bare", {}))));
    const ColliderBounds door = GetColliderBounds(*world.Box("Door", standing));
    EXPECT_NEAR(door.minX, 2.5f, 1e-5f);
    EXPECT_NEAR(door.maxX, 3.5f, 1e-5f);
    EXPECT_NEAR(door.maxY, 5.0f, 1e-5f);
    EXPECT_NEAR(door.minY, 3.0f, 1e-5f);
    const ColliderBounds moved =
        GetColliderBounds(*world.Shape("Ramp", world.Keep(Ramp()), {{10.0f, -2.0f}}));
    EXPECT_FLOAT_EQ(moved.minX, 9.0f);
    EXPECT_FLOAT_EQ(moved.maxX, 11.0f);
    EXPECT_FLOAT_EQ(moved.maxY, -1.5f);
    EXPECT_FLOAT_EQ(moved.minY, -2.5f);
}
} // namespace
} // namespace Orvex
