#include "PlayHarness.h"
#include "game/components/Pickup.h"
#include "game/components/PickupParticleHelper.h"
#include "game/components/PickupParticles.h"
#include "game/components/ScoreTracker.h"
#include "game/components/TumboController.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteText.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
// A bare level with the score display in the top-left corner (counting from
// x < -0.9, y > 0.83), a player and a pickup.
struct ScoringLevel
{
    explicit ScoringLevel(int score = 3, unsigned particlesPerPoint = 5)
    {
        state = &play.PushBare();
        Entity& hud = play.Spawn("hud");
        Transform* place = hud.Add<Transform>();
        place->position = tvec2(-0.95f, 0.88f);
        place->scale = tvec2(0.1f, 0.1f);
        hud.Add<Color>();
        hud.Add<SpriteText>();
        tracker = hud.Add<ScoreTracker>();
        PlayHarness::Start(hud);

        Entity& dog = play.Spawn("TumboWuffin");
        dog.Add<Transform>()->position = tvec2(0.25f, -0.5f);
        dog.Add<TumboController>(); // enough to be the player
        player = &dog;

        Entity& star = play.Spawn("Star");
        star.Add<Transform>();
        star.Add<RigidBody>();
        star.Add<BoxCollider>();
        star.Add<Color>();
        star.Add<Sprite>();
        star.Add<Pickup>()->score = score;
        glow = star.Add<ParticleEmitter>();
        particles = star.Add<PickupParticles>();
        particles->particlesPerPoint = particlesPerPoint;
        PlayHarness::Start(star);
        pickup = &star;
    }
    void Touch(Entity* other)
    {
        play.Post(MSG_COLLISION, CollisionMessage{pickup, other, tvec2(0.0f), -1, true});
        play.Frame(0.0f);
    }
    Entity* Burst() const { return state->FindEntity("explosion"); }
    ParticleEmitter& BurstEmitter() const { return *Burst()->Get<ParticleEmitter>(); }
    // Sends count of the burst's still flying particles into the score corner,
    // to stay there.
    void Arrive(std::size_t count)
    {
        for (Particle& particle : BurstEmitter().Particles())
            if (count > 0 && particle.life > 0.0f)
            {
                particle.position = tvec2(-0.97f, 0.95f);
                --count;
            }
        BurstEmitter().hasParticleGravity = false;
        for (Particle& particle : BurstEmitter().Particles())
            particle.velocity = particle.acceleration = tvec2(0.0f);
        play.Frame(0.0f);
    }

    PlayHarness play;
    IGamestate* state = nullptr;
    ScoreTracker* tracker = nullptr;
    Entity* player = nullptr;
    Entity* pickup = nullptr;
    ParticleEmitter* glow = nullptr;
    PickupParticles* particles = nullptr;
};

TEST(PickupParticles, TheGlowGrowsWithTheWorthAndNegativeWorthHasNone)
{
    EXPECT_EQ(ScoringLevel(3).glow->emitCount, 3u);
    EXPECT_EQ(ScoringLevel(-2).glow->emitCount, 0u);
    EXPECT_EQ(ScoringLevel(0).glow->emitCount, 0u);
}

// Collected once, by the player only: hidden, the glow stopped, one burst from the
// player's place on screen, the pickup removed its delay later.
TEST(Pickup, ThePlayersTouchCollectsOnceWithOneBurstAndRemovesItLater)
{
    ScoringLevel level;
    level.Touch(&level.play.Spawn("Rock"));
    level.Touch(nullptr);
    EXPECT_EQ(level.Burst(), nullptr);
    EXPECT_TRUE(level.pickup->Get<Sprite>()->visible);
    level.Touch(level.player);
    EXPECT_TRUE(level.pickup->Get<Pickup>()->collected);
    EXPECT_FALSE(level.pickup->Get<Sprite>()->visible);
    EXPECT_FALSE(level.glow->active);
    ASSERT_NE(level.Burst(), nullptr);
    EXPECT_EQ(level.BurstEmitter().Particles().Size(), 15u);
    // Without a camera the view is the identity: the player's own position.
    EXPECT_EQ(level.Burst()->Get<Transform>()->position, tvec2(0.25f, -0.5f));
    EXPECT_EQ(level.Burst()->Get<PickupParticleHelper>()->particlesPerPoint, 5u);
    level.Touch(level.player);
    std::size_t bursts = 0;
    for (const auto& entry : level.state->Entities())
        bursts += entry.second->name == "explosion";
    EXPECT_EQ(bursts, 1u);
    const std::uint32_t id = level.pickup->id;
    level.play.Frames(2, 0.5f);
    EXPECT_EQ(level.state->Entities().count(id), 1u);
    level.play.Frame(0.5f); // 1.5 s
    EXPECT_EQ(level.state->Entities().count(id), 0u);
}

TEST(PickupParticleHelper, EveryFifthArrivalIsAPointAndEachParticleCountsOnce)
{
    ScoringLevel level;
    level.Touch(level.player);
    level.Arrive(4);
    EXPECT_EQ(level.tracker->score, 0);
    level.Arrive(1);
    level.play.Frames(3, 0.0f); // still in the corner, counted already
    EXPECT_EQ(level.tracker->score, 1);
    level.Arrive(10);
    EXPECT_EQ(level.tracker->score, 3);
    for (const Particle& particle : level.BurstEmitter().Particles())
        EXPECT_LE(particle.life, 0.0f); // ended where they arrived
}

TEST(PickupParticleHelper, ParticlesFreedOnTheWayAreNotReadAgain)
{
    ScoringLevel level(2, 5);
    level.Touch(level.player);
    // Every other particle vanishes on the way; the emitter frees it.
    bool vanish = true;
    for (Particle& particle : level.BurstEmitter().Particles())
    {
        if (vanish)
            particle.colour.a = 0.0f;
        vanish = !vanish;
    }
    level.play.Frames(2);
    ASSERT_EQ(level.BurstEmitter().Particles().Size(), 5u);
    level.Arrive(5);
    EXPECT_EQ(level.tracker->score, 1);
}

TEST(PickupParticleHelper, WithoutAHudTheCornerIsFixedAndAGoneHudIsNotRead)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& hud = play.Spawn("hud");
    Transform* place = hud.Add<Transform>();
    place->position = tvec2(0.5f, 0.5f);
    place->scale = tvec2(0.25f, 0.5f);
    Entity& burst = play.Spawn("explosion");
    burst.Add<Transform>();
    burst.Add<ParticleEmitter>();
    PickupParticleHelper* helper = burst.Add<PickupParticleHelper>();
    PlayHarness::Start(burst);
    EXPECT_EQ(helper->TargetCorner(), tvec2(0.625f, 0.25f));
    state.RemoveEntity(hud.id);
    play.Frame();
    EXPECT_EQ(helper->TargetCorner(), tvec2(-0.7f, 0.7f));
}

} // namespace
} // namespace Orvex
