#include <gtest/gtest.h>

#include <set>

#include "GlWindow.h"
#include "TestScene.h"
#include "data/Serialization.h"
#include "engine/Random.h"
#include "graphics/ActivatorParticles.h"
#include "graphics/EmitOnMessage.h"
#include "graphics/Textures.h"
#include "graphics/UpdateParticleSystem.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
// An inactive emitter at the origin whose particles live long and do not fade.
struct Emitting
{
    Emitting()
    {
        emitter = scene.AddEmitter("Sparks");
        emitter->active = false;
        emitter->particleDuration = 100.0f;
        emitter->emitCount = 1;
        emitter->owner->InitComponents();
    }
    Particle& One()
    {
        emitter->EmitOne();
        return *emitter->Particles().begin();
    }
    std::vector<float> Lives() const
    {
        std::vector<float> lives;
        for (const Particle& particle : emitter->Particles())
            lives.push_back(particle.life);
        return lives;
    }

    EngineScene scene;
    ParticleEmitter* emitter;
};

TEST(ParticleBursts, ActiveEmitterBurstsOnceTheTimerExceedsThePeriod)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.active = true;
    emitter.emitCount = 25;
    emitter.emitRate = 0.5f;
    for (unsigned count : {0, 0, 25, 25, 25, 50}) // 0.5 is not past the period
    {
        emitter.Update(0.25f);
        EXPECT_EQ(emitter.Particles().Size(), count);
    }
    emitter.active = false; // inactive, it emits only on request
    emitter.Particles().Clear();
    emitter.emitCount = 4;
    for (int frame = 0; frame < 10; ++frame)
        emitter.Update(0.25f);
    EXPECT_TRUE(emitter.Particles().Empty());
    emitter.EmitBurst();
    EXPECT_EQ(emitter.Particles().Size(), 4u);
}

// Truncation toward zero: 22 needs a draw of exactly 0, 29 one of exactly 1. A
// size below one emits nothing, a huge one is cut to the largest burst.
TEST(ParticleBursts, SizeSpreadsAroundEmitCountAndIsCutAtTheLargestBurst)
{
    for (const auto& [count, size] : {std::pair{0u, 0u}, std::pair{4294967295u, 10000u}})
    {
        Emitting emitting;
        emitting.emitter->emitCount = count;
        emitting.emitter->EmitBurst();
        emitting.emitter->Emit(-5);
        EXPECT_EQ(emitting.emitter->Particles().Size(), size) << count;
    }
    Emitting emitting;
    emitting.emitter->emitCount = 25;
    emitting.emitter->randomEmitCount = 3;
    Random::Seed(3);
    std::set<long long> sizes;
    for (int burst = 0; burst < 2000; ++burst)
        sizes.insert(emitting.emitter->DrawBurstSize());
    EXPECT_GE(*sizes.begin(), 22);
    EXPECT_LE(*sizes.begin(), 23);
    EXPECT_GE(*sizes.rbegin(), 28);
    EXPECT_LE(*sizes.rbegin(), 29);
}

// Its life, fade, colour change, velocity, acceleration and growth show in the
// tests of what the particle does with them.
TEST(ParticleSpawn, TakesTheEmitterValuesAtTheEntityPosition)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.owner->Get<Transform>()->position = {3.0f, 4.0f};
    emitter.spawnOffset = {1.0f, -1.0f};
    emitter.color = {0.5f, 0.25f, 1.0f, 0.75f};
    emitter.scale = {0.5f, 0.25f};
    emitter.rotation = 0.5f;
    emitter.rotationRate = 2.0f;
    const Particle& particle = emitting.One();
    EXPECT_EQ(particle.position, (tvec2{4.0f, 3.0f}));
    EXPECT_EQ(particle.colour, emitter.color);
    EXPECT_EQ(particle.scale, emitter.scale);
    EXPECT_EQ(particle.rotation, 0.5f);
    EXPECT_EQ(particle.rotationRate, 2.0f);
}

// Even scaling keeps the aspect of scale and growth.
TEST(ParticleSpawn, SpreadsStayWithinTheirHalfWidthsAndEvenScalingKeepsTheAspect)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.randomVelocity = {2.0f, 0.5f};
    emitter.randomDuration = 0.5f;
    emitter.evenRandomScaling = true;
    emitter.scale = {2.0f, 1.0f};
    emitter.randomScale = {1.0f, 0.5f};
    emitter.growthRate = {4.0f, 2.0f};
    emitter.randomGrowthRate = {2.0f, 1.0f};
    Random::Seed(5);
    emitter.Emit(500);
    float lowest = 0.0f, highest = 0.0f;
    for (const Particle& particle : emitter.Particles())
    {
        EXPECT_LE(std::abs(particle.velocity.y), 0.5f);
        EXPECT_NEAR(particle.life, 100.0f, 0.5f);
        EXPECT_FLOAT_EQ(particle.scale.x, 2.0f * particle.scale.y);
        EXPECT_FLOAT_EQ(particle.growth.x, 2.0f * particle.growth.y);
        lowest = std::min(lowest, particle.velocity.x);
        highest = std::max(highest, particle.velocity.x);
    }
    EXPECT_GE(lowest, -2.0f);
    EXPECT_LE(highest, 2.0f);
    EXPECT_LT(lowest, -1.8f); // the whole width is used
    EXPECT_GT(highest, 1.8f);
}

// Removal at either end or in the middle keeps the others in order, and the
// list appends after the last one left, or starts again once emptied.
TEST(ParticleLife, WithoutFadeAParticleVanishesTheFrameItsLifeRunsOut)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.fadeDuration = 0.0f;
    for (float life : {0.1f, 5.0f, 0.1f, 6.0f, 0.1f})
    {
        emitter.EmitOne();
        Particle* last = nullptr;
        for (Particle& particle : emitter.Particles())
            last = &particle;
        last->life = life;
    }
    emitter.Update(0.5f);
    EXPECT_EQ(emitting.Lives(), (std::vector<float>{4.5f, 5.5f}));
    EXPECT_EQ(emitter.streams.QuadCount(), 2u);
    emitter.EmitOne();
    EXPECT_EQ(emitting.Lives(), (std::vector<float>{4.5f, 5.5f, 100.0f}));
    emitter.Update(5.5f);
    EXPECT_EQ(emitting.Lives(), (std::vector<float>{94.5f}));
    emitter.Update(100.0f);
    EXPECT_TRUE(emitter.Particles().Empty());
    EXPECT_EQ(emitter.streams.QuadCount(), 0u);
    emitter.EmitOne();
    EXPECT_EQ(emitter.Particles().Size(), 1u);
}

TEST(ParticleLife, FadingKeepsMovingAndLosesAlphaAtOneOverFade)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.particleDuration = 0.5f;
    emitter.fadeDuration = 0.5f;
    emitter.colorChange = cColorChanger{-1.0f, 0.0f, 0.0f, 0.0f};
    emitter.velocity = {4.0f, 0.0f};
    Particle& particle = emitting.One();
    emitter.Update(0.25f); // alive: the colour changes
    EXPECT_EQ(particle.colour, (tvec4{0.75f, 1.0f, 1.0f, 1.0f}));
    emitter.Update(0.25f); // life 0: fading, red stays
    EXPECT_EQ(particle.colour, (tvec4{0.75f, 1.0f, 1.0f, 0.5f}));
    EXPECT_EQ(particle.position.x, 2.0f);
    emitter.Update(0.25f);
    EXPECT_EQ(particle.colour.a, 0.0f);
    EXPECT_EQ(particle.position.x, 3.0f);
    emitter.Update(0.25f);
    EXPECT_TRUE(emitter.Particles().Empty());
}

TEST(ParticleLife, FadeSpreadToZeroOrBelowVanishesInsteadOfLivingOn)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.particleDuration = 0.25f;
    emitter.fadeDuration = 0.5f;
    emitting.One().fade = -0.5f; // what a spread wider than the fade may draw
    emitter.EmitOne();
    emitter.Update(0.25f);
    ASSERT_EQ(emitter.Particles().Size(), 1u);
    EXPECT_EQ(emitter.Particles().begin()->fade, 0.5f);
    // Shrunk below zero, a particle goes whatever its life.
    emitter.growthRate = {0.0f, -4.0f};
    emitter.particleDuration = 100.0f;
    emitter.Particles().Clear();
    emitter.EmitOne();
    emitter.Update(0.5f);
    EXPECT_TRUE(emitter.Particles().Empty());
}

// Velocity after one second of pull from the origin on a particle at distance.
float PulledVelocity(float distance, float range)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitter.hasParticleGravity = true;
    emitter.gravityStrength = 1.0f;
    emitter.gravityRange = range;
    emitter.gravMinCoeff = 0.1f;
    emitter.spawnOffset = {distance, 0.0f};
    const Particle& particle = emitting.One();
    emitter.Update(1.0f);
    return particle.velocity.x;
}

TEST(ParticleGravity, PullIsASpringWeakenedTowardTheRange)
{
    EXPECT_FLOAT_EQ(PulledVelocity(1.0f, 0.0f), -0.5f);         // half the distance
    EXPECT_FLOAT_EQ(PulledVelocity(3.0f, 0.0f), -1.5f);         // no range: any distance
    EXPECT_FLOAT_EQ(PulledVelocity(1.0f, 2.0f), -0.5f * 0.55f); // 0.1 * 0.5 + 0.5
    EXPECT_EQ(PulledVelocity(3.0f, 2.0f), 0.0f);                // out of range
    // Acceleration adds to it.
    Emitting emitting;
    emitting.emitter->acceleration = {0.0f, -2.0f};
    const Particle& particle = emitting.One();
    emitting.emitter->Update(0.5f);
    EXPECT_EQ(particle.velocity, (tvec2{0.0f, -1.0f}));
    EXPECT_EQ(particle.position, (tvec2{0.0f, -0.5f}));
}

TEST(ParticleDrawing, OneQuadPerParticleCulledByTheCamera)
{
    Emitting emitting;
    ParticleEmitter& emitter = *emitting.emitter;
    emitting.scene.AddCamera("Cam", {0.0f, 0.0f}, 10.0f);
    emitter.Emit(3);
    emitting.One().position = {100.0f, 0.0f}; // off screen
    emitter.Update(0.0f);
    EXPECT_EQ(emitter.streams.QuadCount(), 3u);
    emitter.PrepareFrame(nullptr, 1.0f); // collecting keeps the quads the update built
    EXPECT_EQ(emitter.streams.QuadCount(), 3u);
    emitter.visible = false;
    emitter.Update(0.0f);
    EXPECT_EQ(emitter.streams.QuadCount(), 0u);
    EXPECT_EQ(emitter.Particles().Size(), 4u);
}

// Blocks handed out by all pools together.
unsigned BlocksInUse()
{
    unsigned inUse = 0;
    for (unsigned pool = 0; pool < MemoryManager::PoolCount; ++pool)
        inUse += MemoryManager::Get().Pool(pool).Stats().inUse;
    return inUse;
}

// The colour change is written like a vector, and a destroyed entity frees its
// live particles.
TEST(ParticleEmitterData, ColourChangeIsWrittenLikeAVectorAndTheParticlesAreFreed)
{
    EngineScene scene;
    const unsigned before = BlocksInUse();
    ParticleEmitter* emitter = scene.AddEmitter("Sparks");
    emitter->colorChange = cColorChanger{0.5f, 0.0f, -1.0f, 0.25f};
    {
        SerialOutput output;
        TypeRegistry::FindComponent("ParticleEmitter")->WriteFields(*emitter);
        EXPECT_NE(output.Text().find("colorChange=" + Text::FormatVec4({0.5f, 0.0f, -1.0f, 0.25f}) + "\n"),
                  std::string::npos)
            << output.Text();
    }
    emitter->owner->InitComponents();
    emitter->Emit(300);
    emitter->Update(0.1f);
    EXPECT_GT(BlocksInUse(), before + 300);
    scene.state->RemoveEntity(emitter->owner->id);
    scene.state->Housekeeping();
    EXPECT_EQ(BlocksInUse(), before);
}

using ParticleTexture = GlWindow;

TEST_F(ParticleTexture, NoneOrDefaultFallsBackToSquare)
{
    cTexture own{99, 4, 4};
    cTexture* const square = GetTexture("Square");
    for (cTexture* given : {static_cast<cTexture*>(nullptr), GetDefaultTexture(), square, &own})
    {
        Pooled<Entity> entity(New<Entity>("Sparks"));
        entity->Add<Transform>();
        entity->Add<ParticleEmitter>()->texture = given;
        entity->InitComponents();
        EXPECT_EQ(entity->Get<ParticleEmitter>()->texture, given == &own ? &own : square);
    }
}

TEST(UpdateParticleSystem, AnimatesMarkedEmittersAndEmptiesTheOthers)
{
    UpdateParticleSystem().Update(0.25f); // no engine, no state: nothing to walk
    EngineScene scene;
    ParticleEmitter* animated = scene.AddEmitter("Animated");
    ParticleEmitter* still = scene.AddEmitter("Still");
    for (ParticleEmitter* emitter : {animated, still})
    {
        emitter->emitCount = 3;
        emitter->emitRate = 0.1f;
        emitter->owner->InitComponents();
        emitter->EmitOne();
        emitter->Update(0.0f); // one quad each
    }
    animated->updateInEditor = true;
    UpdateParticleSystem().Update(0.25f);
    EXPECT_EQ(animated->Particles().Size(), 4u); // its burst came
    EXPECT_EQ(animated->streams.QuadCount(), 1u);
    EXPECT_EQ(still->Particles().Size(), 1u);
    EXPECT_EQ(still->streams.QuadCount(), 0u);
}

// The hint starts at once and stops at its pad's first firing: only once an
// update has found the pad, never for another target, and not again once
// someone restarts it.
TEST(ActivatorParticles, OnlyTheFirstFiringOfTheFoundPadStopsTheEmitter)
{
    EngineScene scene;
    ParticleEmitter* emitter = scene.AddEmitter("Flames");
    emitter->active = false;
    ActivatorParticles* activator = emitter->owner->Add<ActivatorParticles>();
    activator->rocketPad = "Pad";
    emitter->owner->InitComponents();
    EXPECT_TRUE(emitter->active);
    activator->Update(0.1f); // no pad yet
    Entity* pad = scene.Add("Pad");
    const auto fire = [&scene](Entity* target) { scene.Send(MSG_SET_ACTIVE, SetActiveMessage{target}); };
    fire(pad);
    EXPECT_TRUE(emitter->active);
    activator->Update(0.1f);
    fire(scene.Add("Other"));
    fire(nullptr);
    EXPECT_TRUE(emitter->active);
    fire(pad);
    EXPECT_FALSE(emitter->active);
    emitter->active = true;
    fire(pad);
    EXPECT_TRUE(emitter->active);
    // Destroyed after it was found, the pad is not read again.
    scene.state->RemoveEntity(pad->id);
    scene.state->Housekeeping();
    activator->Update(0.1f);
    fire(scene.Add("Later"));
    EXPECT_TRUE(emitter->active);
}

// Either key bursts once on the level end; other messages never.
TEST(EmitOnMessage, EitherKeyBurstsOnceOnTheLevelEnd)
{
    const struct
    {
        bool onLevelEnd, onCollision;
        std::size_t burst;
    } cases[] = {{true, false, 12}, {true, true, 12}, {false, true, 12}, {false, false, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.onLevelEnd << c.onCollision);
        EngineScene scene;
        ParticleEmitter* emitter = scene.AddEmitter("Burst");
        emitter->active = false;
        emitter->emitCount = 12;
        EmitOnMessage* trigger = emitter->owner->Add<EmitOnMessage>();
        trigger->onLevelEnd = c.onLevelEnd;
        trigger->onCollision = c.onCollision;
        emitter->owner->InitComponents();
        scene.engine.SendMessage(MSG_SET_ACTIVE);
        scene.Deliver();
        EXPECT_TRUE(emitter->Particles().Empty());
        for (int i = 0; i < 4; ++i)
            scene.engine.SendMessage(MSG_END_LEVEL);
        scene.Deliver();
        EXPECT_EQ(emitter->Particles().Size(), c.burst);
    }
}
} // namespace
} // namespace Orvex
