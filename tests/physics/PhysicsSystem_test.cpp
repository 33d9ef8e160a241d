#include <gtest/gtest.h>

#include "PhysicsWorld.h"
#include "physics/CollisionsSystem.h"
#include "physics/PhysicsSystem.h"

namespace Orvex
{
namespace
{
// One step of a body that starts at (0, 5): velocity first, then position; a
// static body glides at its velocity, and a level without settings has no gravity.
TEST(PhysicsStep, MovesBodiesByGravityAndVelocity)
{
    const struct
    {
        const char* what;
        float gravitySpeed; // 0: no level settings
        bool isStatic;
        tvec2 gravity, velocity;
        float dt;
        tvec2 velocityAfter, positionAfter;
    } cases[] = {
        {"falls", 10.0f, false, {0.0f, 1.0f}, {0.0f, 0.0f}, 0.1f, {0.0f, -1.0f}, {0.0f, 4.9f}},
        {"falls up", 4.0f, false, {0.0f, -1.0f}, {0.0f, 0.0f}, 0.5f, {0.0f, 2.0f}, {0.0f, 6.0f}},
        {"falls left", 4.0f, false, {1.0f, 0.0f}, {0.0f, 0.0f}, 0.5f, {-2.0f, 0.0f}, {-1.0f, 5.0f}},
        {"static glides", 10.0f, true, {0.0f, 1.0f}, {3.0f, -1.0f}, 0.25f, {3.0f, -1.0f}, {0.75f, 4.75f}},
        {"zero step", 10.0f, false, {0.0f, 1.0f}, {2.0f, 3.0f}, 0.0f, {2.0f, 3.0f}, {0.0f, 5.0f}},
        {"no settings", 0.0f, false, {0.0f, 1.0f}, {1.0f, 0.0f}, 0.5f, {1.0f, 0.0f}, {0.5f, 5.0f}},
    };
    for (const auto& c : cases)
    {
        PhysicsWorld world;
        if (c.gravitySpeed > 0.0f)
            world.SetGravitySpeed(c.gravitySpeed);
        Entity* ball = world.Place(world.Body("Ball", {{0.0f, 5.0f}, {1.0f, 1.0f}, c.isStatic, c.velocity}));
        BodyOf(ball).gravity = c.gravity;
        PhysicsSystem().Update(c.dt);
        EXPECT_FLOAT_EQ(BodyOf(ball).velocity.x, c.velocityAfter.x) << c.what;
        EXPECT_FLOAT_EQ(BodyOf(ball).velocity.y, c.velocityAfter.y) << c.what;
        EXPECT_FLOAT_EQ(TransformOf(ball).position.x, c.positionAfter.x) << c.what;
        EXPECT_FLOAT_EQ(TransformOf(ball).position.y, c.positionAfter.y) << c.what;
    }
}

// The systems may run with no engine, or with one whose states are all popped;
// a body without a Transform is skipped when checks are off.
TEST(PhysicsAndCollisionSystems, WithoutAnEngineAStateOrATransformDoNothing)
{
    PhysicsSystem physics;
    CollisionsSystem collisions;
    const auto run = [&] {
        physics.Update(0.5f);
        collisions.Update(0.5f);
    };
    run();
    {
        Engine engine;
        run();
        EXPECT_TRUE(engine.Gamestates().empty());
    }
    PhysicsWorld world(false);
    world.SetGravitySpeed(10.0f);
    Entity* entity = New<Entity>("Loose");
    entity->Add<RigidBody>()->isStatic = false;
    world.Place(entity);
    run();
    EXPECT_EQ(BodyOf(entity).velocity, tvec2(0.0f));
}
} // namespace
} // namespace Orvex
