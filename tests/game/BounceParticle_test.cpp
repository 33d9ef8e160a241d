#include "Furniture.h"

namespace Orvex
{
namespace
{
// The dog with its sparks: bursts of exactly ten, each particle keeping the
// emitter's velocity, so the side it flies to tells which half it came from.
struct SparkingDog : DogLevel
{
    SparkingDog()
    {
        Entity& dog = MakeDog(play);
        transform = dog.Get<Transform>();
        controller = dog.Get<TumboController>();
        emitter = dog.Get<ParticleEmitter>();
        sparks = dog.Get<BounceParticle>();
        emitter->emitCount = 10;
        emitter->randomVelocity = tvec2(0.0f);
        emitter->velocity = tvec2(-2.0f, 1.0f);
        emitter->spawnOffset = tvec2(-0.1f, -0.8f);
        emitter->acceleration = tvec2(-1.0f, -5.0f);
    }
    // Particles flying left and right.
    std::pair<int, int> Sides() const
    {
        std::pair<int, int> sides{0, 0};
        for (const Particle& particle : emitter->Particles())
            ++(particle.velocity.x < 0.0f ? sides.first : sides.second);
        return sides;
    }

    Transform* transform = nullptr;
    TumboController* controller = nullptr;
    ParticleEmitter* emitter = nullptr;
    BounceParticle* sparks = nullptr;
};

// Leaning past the clamp, the far side's share drops below zero: it gets none;
// a zero clamp is safe.
TEST(BounceParticle, TheLeanMovesSparksToItsSideAndTheEmitterIsPutBack)
{
    const struct
    {
        float clamp, rotation;
        std::pair<int, int> sides;
    } cases[] = {{1.0f, 0.0f, {10, 10}}, {1.0f, 0.5f, {15, 5}}, {1.0f, -1.0f, {0, 20}},
                 {0.5f, 1.0f, {30, 0}},  {0.0f, 1.0f, {10, 10}}};
    for (const auto& c : cases)
    {
        SparkingDog dog;
        dog.controller->clamp = c.clamp;
        dog.transform->rotation = c.rotation;
        dog.sparks->EmitBounce();
        EXPECT_EQ(dog.Sides(), c.sides) << c.clamp << ", " << c.rotation;
        EXPECT_EQ(dog.emitter->velocity, tvec2(-2.0f, 1.0f));
        EXPECT_EQ(dog.emitter->spawnOffset, tvec2(-0.1f, -0.8f));
        EXPECT_EQ(dog.emitter->acceleration, tvec2(-1.0f, -5.0f));
    }
    SparkingDog dog;
    dog.sparks->EmitBounce();
    const Particle& mirrored = *std::next(dog.emitter->Particles().begin(), 10);
    EXPECT_EQ(mirrored.acceleration, tvec2(1.0f, -5.0f));
    EXPECT_FLOAT_EQ(mirrored.position.x, 0.1f);
    dog.emitter->Particles().Clear();
    dog.emitter->emitCount = 0;
    dog.sparks->EmitBounce();
    EXPECT_TRUE(dog.emitter->Particles().Empty());
}

TEST(BounceParticle, BouncySparksTakeTheirColoursAndAdditionsThenTheEmitterIsRestored)
{
    SparkingDog dog;
    dog.sparks->bouncyRandomColor = tvec4(0.0f);
    dog.emitter->color = tvec4(0.3f, 0.3f, 0.3f, 1.0f);
    dog.emitter->particleDuration = 0.1f;
    dog.emitter->scale = tvec2(0.1f, 0.2f);
    dog.emitter->rotationRate = 0.7f;
    dog.sparks->EmitBouncyBounce();
    ASSERT_EQ(dog.emitter->Particles().Size(), 20u);
    const Particle& spark = *dog.emitter->Particles().begin();
    EXPECT_EQ(spark.colour, tvec4(1.0f, 0.0f, 1.0f, 1.0f));
    EXPECT_FLOAT_EQ(spark.life, 0.25f);
    EXPECT_EQ(spark.scale, tvec2(0.1f, 0.2f) + tvec2(0.25f));
    EXPECT_EQ(spark.growth, tvec2(0.5f));
    EXPECT_FLOAT_EQ(spark.rotationRate, 10.7f);

    for (int i = 0; i < 100; ++i)
        dog.sparks->EmitBouncyBounce();
    EXPECT_EQ(dog.emitter->color, tvec4(0.3f, 0.3f, 0.3f, 1.0f));
    EXPECT_EQ(dog.emitter->randomColor, tvec4(0.0f));
    EXPECT_EQ(dog.emitter->particleDuration, 0.1f);
    EXPECT_EQ(dog.emitter->scale, tvec2(0.1f, 0.2f));
    EXPECT_EQ(dog.emitter->growthRate, tvec2(0.0f));
    EXPECT_EQ(dog.emitter->rotationRate, 0.7f);
}

} // namespace
} // namespace Orvex
