#include <gtest/gtest.h>

#include "PhysicsWorld.h"
#include "physics/CollisionsSystem.h"
#include "physics/PhysicsSystem.h"

namespace Orvex
{
namespace
{
class PhysicsStep : public ::testing::Test
{
protected:
    Entity* Falling(tvec2 gravity)
    {
        Entity* entity = world.Place(world.Body("Ball", {{0.0f, 5.0f}, {1.0f, 1.0f}, false}));
        BodyOf(entity).gravity = gravity;
        return entity;
    }
    PhysicsWorld world;
    PhysicsSystem physics;
};

TEST_F(PhysicsStep, DefaultBodyStaysWhereItIs)
{
    world.SetGravitySpeed(10.0f);
    Entity* entity = New<Entity>("Crate");
    entity->Add<Transform>();
    entity->Add<RigidBody>(); // the factory's defaults
    world.Place(entity);
    physics.Update(0.5f);
    EXPECT_EQ(TransformOf(entity).position, tvec2(0.0f, 0.0f));
    EXPECT_TRUE(BodyOf(entity).isStatic);
    EXPECT_EQ(BodyOf(entity).gravity, tvec2(0.0f, 0.0f));
}

TEST_F(PhysicsStep, GravityUpdatesVelocityBeforePosition)
{
    world.SetGravitySpeed(10.0f);
    Entity* ball = Falling({0.0f, 1.0f});
    physics.Update(0.1f);
    // v = 0 - 1 * 10 * 0.1 = -1; y = 5 + (-1) * 0.1 = 4.9
    EXPECT_FLOAT_EQ(BodyOf(ball).velocity.y, -1.0f);
    EXPECT_FLOAT_EQ(TransformOf(ball).position.y, 4.9f);
    physics.Update(0.1f);
    EXPECT_FLOAT_EQ(BodyOf(ball).velocity.y, -2.0f);
    EXPECT_FLOAT_EQ(TransformOf(ball).position.y, 4.9f - 0.2f);
}

TEST_F(PhysicsStep, GravityDirectionAndLevelSpeedScale)
{
    world.SetGravitySpeed(4.0f);
    Entity* up = Falling({0.0f, -1.0f});
    Entity* left = Falling({1.0f, 0.0f});
    physics.Update(0.5f);
    EXPECT_FLOAT_EQ(BodyOf(up).velocity.y, 2.0f); // 1 * 4 * 0.5, upwards
    EXPECT_FLOAT_EQ(TransformOf(up).position.y, 6.0f);
    EXPECT_FLOAT_EQ(BodyOf(left).velocity.x, -2.0f);
    EXPECT_FLOAT_EQ(TransformOf(left).position.x, -1.0f);
}

TEST_F(PhysicsStep, StaticBodyGlidesAndIgnoresGravity)
{
    world.SetGravitySpeed(10.0f);
    Entity* platform = world.Place(world.Body("Platform", {{1.0f, 2.0f}, {1.0f, 1.0f}, true, {3.0f, -1.0f}}));
    BodyOf(platform).gravity = {0.0f, 1.0f};
    physics.Update(0.25f);
    EXPECT_EQ(BodyOf(platform).velocity, tvec2(3.0f, -1.0f));
    EXPECT_FLOAT_EQ(TransformOf(platform).position.x, 1.75f);
    EXPECT_FLOAT_EQ(TransformOf(platform).position.y, 1.75f);
}

TEST_F(PhysicsStep, ZeroStepChangesNothing)
{
    world.SetGravitySpeed(10.0f);
    Entity* ball = Falling({0.0f, 1.0f});
    BodyOf(ball).velocity = {2.0f, 3.0f};
    physics.Update(0.0f);
    EXPECT_EQ(BodyOf(ball).velocity, tvec2(2.0f, 3.0f));
    EXPECT_EQ(TransformOf(ball).position, tvec2(0.0f, 5.0f));
}

TEST_F(PhysicsStep, WithoutLevelSettingsBodiesDoNotFall)
{
    Entity* ball = Falling({0.0f, 1.0f});
    BodyOf(ball).velocity = {1.0f, 0.0f};
    physics.Update(0.5f);
    EXPECT_EQ(BodyOf(ball).velocity, tvec2(1.0f, 0.0f));
    EXPECT_EQ(TransformOf(ball).position, tvec2(0.5f, 5.0f));
}

TEST(RigidBodyInit, RequiresATransform)
{
    PhysicsWorld world;
    Entity* entity = New<Entity>("Loose");
    entity->Add<RigidBody>();
    EXPECT_EQ(world.PlaceFailure(entity), "Dependency fail. Entity Loose doesn't have Component Transform");
}

TEST(RigidBodyInit, BodyWithoutTransformIsSkippedWhenChecksAreOff)
{
    PhysicsWorld world(false);
    world.SetGravitySpeed(10.0f);
    Entity* entity = New<Entity>("Loose");
    entity->Add<RigidBody>()->isStatic = false;
    world.Place(entity);
    PhysicsSystem physics;
    EXPECT_NO_THROW(physics.Update(0.1f));
}
// The systems may run with no engine, or with one whose states are all popped.
TEST(PhysicsAndCollisionSystems, WithoutAnEngineOrAStateDoNothing)
{
    PhysicsSystem physics;
    CollisionsSystem collisions;
    const auto run = [&] {
        physics.Update(0.5f);
        collisions.Update(0.5f);
    };
    run();
    Engine engine;
    run();
    EXPECT_TRUE(engine.Gamestates().empty());
}
} // namespace
} // namespace Orvex
