// Points: pickups and their bursts, the score display and what it does on a
// point, and the forest's points as the player sees them.

#include <string>

#include "Furniture.h"
#include "engine/Random.h"
#include "engine/Window.h"
#include "game/components/GrowOnAddScore.h"
#include "game/components/Pickup.h"
#include "game/components/PickupParticleHelper.h"
#include "game/components/PickupParticles.h"
#include "game/components/RotateOnAddScore.h"
#include "game/components/ScoreTracker.h"
#include "game/states/Gameplay.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
// A bare level with the score display in the top-left corner (counting from
// x < -0.9, y > 0.83), a player and a pickup.
struct ScoringLevel : DogLevel
{
    explicit ScoringLevel(int score = 3, unsigned particlesPerPoint = 5)
    {
        Entity& hud = play.Spawn("hud");
        Transform* place = hud.Add<Transform>();
        place->position = tvec2(-0.95f, 0.88f);
        place->scale = tvec2(0.1f, 0.1f);
        hud.Add<Color>();
        hud.Add<SpriteText>();
        tracker = hud.Add<ScoreTracker>();
        PlayHarness::Start(hud);
        player = &MakePlayer(play, tvec2(0.25f, -0.5f));

        Entity& star = MakeBox(play, "Star");
        star.Add<Color>();
        star.Add<Sprite>();
        star.Add<Pickup>()->score = score;
        glow = star.Add<ParticleEmitter>();
        star.Add<PickupParticles>()->particlesPerPoint = particlesPerPoint;
        PlayHarness::Start(star);
        pickup = &star;
    }
    void Touch(Entity* other) { DogLevel::Touch(*pickup, other); }
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

    ScoreTracker* tracker = nullptr;
    Entity* pickup = nullptr;
    ParticleEmitter* glow = nullptr;
};

// Collected once, by the player only: hidden, the glow (as many as its worth,
// none for no or negative worth) stopped, one burst from the player's place on
// screen, the pickup removed its delay later.
TEST(Pickup, ThePlayersTouchCollectsOnceWithOneBurstAndRemovesItLater)
{
    for (const int worth : {-2, 0})
        EXPECT_EQ(ScoringLevel(worth).glow->emitCount, 0u) << worth;
    ScoringLevel level;
    EXPECT_EQ(level.glow->emitCount, 3u);
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
    EXPECT_EQ(level.Named("explosion").size(), 1u);
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

TEST(ScoreTracker, WithoutAPlayStateSaysSo)
{
    BarePlay play;
    Entity& hud = play.Spawn("hud");
    hud.Add<Transform>();
    hud.Add<Color>();
    SpriteText* text = hud.Add<SpriteText>();
    hud.Add<ScoreTracker>();
    PlayHarness::Start(hud);
    play.Frame();
    EXPECT_EQ(text->text, "Couldnt find gamestate");
}

TEST(GrowOnAddScore, APointGrowsHalfAsMuchAcrossAtAspectTwoUpToTheLargestAddedScaleThenShrinksBack)
{
    Window::ResizeWindow(1280, 640);
    BarePlay play;
    Entity& hud = play.Spawn("hud");
    Transform* transform = hud.Add<Transform>();
    transform->scale = tvec2(0.4f, 0.1f);
    GrowOnAddScore* grow = hud.Add<GrowOnAddScore>();
    PlayHarness::Start(hud);
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frame(0.25f); // delivered at the end of this frame

    // Quarter seconds after the point -> scale: a second's growth at 0.2 per
    // second, held until the shrink delay (3 s from the point), then shrinking at
    // 0.125 per second back to the base, not below.
    const std::pair<int, tvec2> marks[] = {
        {4, {0.5f, 0.3f}}, {12, {0.5f, 0.3f}}, {13, {0.484375f, 0.26875f}}, {23, {0.4f, 0.1f}}};
    int done = 0;
    for (const auto& [quarters, scale] : marks)
    {
        play.Frames(quarters - done, 0.25f);
        done = quarters;
        EXPECT_NEAR(transform->scale.x, scale.x, 1e-6f) << quarters;
        EXPECT_NEAR(transform->scale.y, scale.y, 1e-6f) << quarters;
    }

    // Growth stops at the largest added scale.
    grow->growthRate = 10.0f;
    grow->growthDuration = 5.0f;
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frames(20, 0.25f);
    EXPECT_LT(transform->scale.y, 0.1f + 1.25f + 10.0f * 0.25f + 1e-4f);
    EXPECT_GE(transform->scale.y, 0.1f + 1.25f);
}

TEST(RotateOnAddScore, TurnsAtTheBaseRateAndAPointSpinsItUpUntilTheSpinDecaysBack)
{
    BarePlay play;
    Entity& hud = play.Spawn("hud");
    Transform* transform = hud.Add<Transform>();
    hud.Add<RotateOnAddScore>();
    PlayHarness::Start(hud);
    play.Frames(8, 0.25f);
    EXPECT_FLOAT_EQ(transform->rotation, 0.5f * 2.0f);
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frame(0.25f);
    float before = transform->rotation;
    play.Frames(4, 0.25f);
    EXPECT_GT(transform->rotation - before, 0.5f * 1.0f + 0.1f); // faster than the base

    play.Frames(40, 0.25f); // long after: the added spin is gone, never negative
    before = transform->rotation;
    play.Frames(4, 0.25f);
    EXPECT_FLOAT_EQ(transform->rotation - before, 0.5f * 1.0f);
}

// The forest's points as the display shows them: all its pickups are worth, and
// what arrived (the bursts bringing them home are the shipped runs' to try).
TEST(ForestRun, TheScoreReadsThePointsArrivedOutOfAllThePickupsAreWorth)
{
    Random::Seed(1);
    PlayHarness play;
    Gameplay& state = dynamic_cast<Gameplay&>(play.Push("Gameplay"));
    ASSERT_EQ(state.CurrentLevel(), "Level1Forest");
    int worth = 0;
    for (const auto& entry : state.Entities())
        if (const Pickup* pickup = entry.second->Get<Pickup>())
            worth += pickup->score;
    EXPECT_GT(worth, 0);
    EXPECT_EQ(state.AvailablePoints(), worth);
    play.Frame();
    const SpriteText* score = state.FindEntity("hud")->Get<SpriteText>();
    EXPECT_EQ(score->text, "Score: 0 / " + std::to_string(worth));
    play.Post(MSG_ADD_SCORE, ScoreMessage{2});
    play.Frames(2);
    EXPECT_EQ(score->text, "Score: 2 / " + std::to_string(worth));
}
} // namespace
} // namespace Orvex
