#include <gtest/gtest.h>

#include "PhysicsWorld.h"
#include "physics/CollisionsSystem.h"
#include "physics/QuaternionCounter.h"

namespace Orvex
{
namespace
{
// The circle no collider class makes, for the pass to meet.
class CircleProbe : public BaseCollider
{
public:
    CircleProbe() : BaseCollider(ColliderType::Circle) {}

protected:
    cMesh* InitialMesh() const override { return GetMesh("Square"); }
};

TEST(QuaternionCounter, ACircleIsCountedAndReportedAndTheCounterPrintsEveryFiveSeconds)
{
    PhysicsWorld world;
    Entity* counting = world.Place(New<Entity>("Counter"));
    QuaternionCounter* counter = counting->Add<QuaternionCounter>();
    Entity* ball = world.Body("Ball", {{0.0f, 0.0f}, {1.0f, 1.0f}, false});
    ball->Attach(MeshCollider::Id(), New<CircleProbe>());
    world.Place(ball);
    world.Box("Floor", {{0.0f, -0.8f}, {4.0f, 1.0f}});

    const auto printed = [](auto run) {
        ::testing::internal::CaptureStdout();
        run();
        return ::testing::internal::GetCapturedStdout();
    };
    EXPECT_EQ(printed([] { CollisionsSystem().Update(0.0f); }), "ERROR: circles? in MY game?!?\n");
    EXPECT_EQ(counter->count, 1);
    EXPECT_EQ(printed([&] {
                  counter->Update(4.5f);
                  counter->Update(0.25f);
              }),
              "");
    EXPECT_EQ(printed([&] { counter->Update(0.25f); }), "Quaternion Counter: 1\n");
    EXPECT_EQ(counter->count, 1);
}
} // namespace
} // namespace Orvex
