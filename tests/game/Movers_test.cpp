#include "Furniture.h"
#include "game/components/AirBoost.h"
#include "game/components/AttachTo.h"
#include "game/components/Bouncy.h"
#include "game/components/IceBlock.h"
#include "game/components/Moving.h"
#include "game/components/ObjectFollow.h"
#include "game/components/Patrol.h"
#include "game/components/RocketPad.h"
#include "graphics/Camera.h"

namespace Orvex
{
namespace
{
const tvec4 white(1.0f);

struct RocketRide : DogLevel
{
    explicit RocketRide(float timeLength)
    {
        player = &MakeDog(play);
        player->Get<TumboController>()->rocketSound.SetName("RocketLoop");
        Entity& pad = MakeBox(play, "Pad");
        rocket = pad.Add<RocketPad>();
        rocket->timeLength = timeLength;
        PlayHarness::Start(pad);
        camera = &MakeCamera(play);
    }
    ParticleEmitter& Sparks() const { return *player->Get<ParticleEmitter>(); }
    bool RocketOn() const { return player->Get<TumboController>()->rocketActive; }

    RocketPad* rocket = nullptr;
    Camera* camera = nullptr;
};

// An inactive pad ignores the player until it is activated.
TEST(RocketPad, TakesThePlayerOverForItsTimeAndLetsGoWithTheSparksRestored)
{
    RocketRide ride(0.5f);
    ride.rocket->activated = false;
    ride.Touch(*ride.rocket->owner, ride.player);
    ride.play.Frame(0.1f);
    EXPECT_FALSE(ride.RocketOn());
    EXPECT_FALSE(ride.camera->shaking);
    ride.play.Post(MSG_SET_ACTIVE, SetActiveMessage{ride.rocket->owner});
    ride.play.Frame(0.0f);
    ride.Touch(*ride.rocket->owner, ride.player);
    EXPECT_TRUE(ride.camera->shaking);
    ride.play.Frame(0.25f);
    // Landed on the pad and boosted by JumpFactor, every frame.
    EXPECT_EQ(ride.player->Get<RigidBody>()->velocity, tvec2(0.0f, 20.0f));
    EXPECT_TRUE(ride.RocketOn());
    EXPECT_EQ(ride.player->Get<SoundEmitter>()->sound.name, "RocketLoop");
    EXPECT_EQ(ride.Sparks().color, ride.rocket->fireColor);
    EXPECT_EQ(ride.Sparks().velocity.x, ride.rocket->xVelocity);

    ride.Touch(*ride.rocket->owner, ride.player); // a second touch: no new timer
    ride.play.Frame(0.25f);
    EXPECT_FALSE(ride.RocketOn());
    EXPECT_FALSE(ride.rocket->driven);
    EXPECT_EQ(ride.Sparks().color, white);
    EXPECT_EQ(ride.Sparks().velocity.x, 0.0f);
    EXPECT_FALSE(ride.player->Get<SoundEmitter>()->channel);
}

TEST(RocketPad, APlayerRemovedDuringTheDriveIsLetGo)
{
    RocketRide ride(5.0f);
    ride.Touch(*ride.rocket->owner, ride.player);
    ride.play.Frame(0.25f);
    ASSERT_TRUE(ride.rocket->driven);
    ride.play.engine.GetActiveGamestate().RemoveEntity(ride.player->id);
    ride.play.Frame(0.0f); // the removal
    ride.play.Frame(0.25f);
    EXPECT_FALSE(ride.rocket->driven);
    EXPECT_EQ(ride.rocket->timer, 0.0f);
}

TEST(RocketPad, ADriveOfTenSecondsOrMoreIsSilent)
{
    for (const float timeLength : {9.99f, 10.0f})
    {
        RocketRide ride(timeLength);
        ride.play.Post(MSG_ROCKET_START,
                       CollisionMessage{ride.player, ride.rocket->owner, tvec2(0.0f), 2, false});
        ride.play.Frame(0.0f);
        EXPECT_TRUE(ride.RocketOn());
        EXPECT_EQ(ride.player->Get<SoundEmitter>()->sound.name, timeLength < 10.0f ? "RocketLoop" : "")
            << timeLength;
    }
}

// A side bump (vertex 0) is not boosted and keeps its velocity.
TEST(Bouncy, ALandingLeavesAtJumpTimesScaleWithSparksByThePad)
{
    struct Case
    {
        float scale;
        bool coloured;
        float speed;
        tvec4 sparks;
        int vertex = TumboController::FootVertex;
    };
    const tvec4 pink(1.0f, 0.0f, 1.0f, 1.0f);
    for (const Case& c : {Case{1.5f, true, 15.0f, pink}, Case{1.5f, false, 15.0f, white},
                          Case{1.0f, true, 10.0f, white}, Case{2.0f, false, 4.0f, white, 0}})
    {
        BarePlay play;
        Entity& dog = MakeDog(play);
        dog.Get<BounceParticle>()->bouncyRandomColor = tvec4(0.0f);
        Entity& pad = MakeBox(play, "Pad");
        pad.Add<Bouncy>()->scale = c.scale;
        if (c.coloured)
            pad.Add<Color>();
        PlayHarness::Start(pad);
        dog.Get<RigidBody>()->velocity = tvec2(0.0f, -4.0f);
        // Both messages of the contact, the dog's first, as the collision system posts them.
        play.Post(MSG_COLLISION, CollisionMessage{&dog, &pad, tvec2(0.0f), c.vertex, false});
        play.Post(MSG_COLLISION, CollisionMessage{&pad, &dog, tvec2(0.0f), -1, false});
        play.Frame(0.0f);
        EXPECT_FLOAT_EQ(glm::length(dog.Get<RigidBody>()->velocity), c.speed) << c.scale;
        if (c.vertex != TumboController::FootVertex)
        {
            EXPECT_EQ(dog.Get<RigidBody>()->velocity, tvec2(0.0f, -4.0f));
            continue;
        }
        ASSERT_GT(dog.Get<ParticleEmitter>()->Particles().Size(), 0u);
        EXPECT_EQ(dog.Get<ParticleEmitter>()->Particles().begin()->colour, c.sparks);
    }
}

TEST(IceBlock, TakesOnTheVelocityOfWhatTouchesItNotItsOwn)
{
    BarePlay play;
    Entity& block = MakeBox(play, "Ice");
    block.Get<RigidBody>()->isStatic = false;
    block.Add<IceBlock>();
    PlayHarness::Start(block);
    Entity& floor = MakeBox(play, "Floor");
    Entity& pusher = MakeBox(play, "Pusher");
    pusher.Get<RigidBody>()->velocity = tvec2(2.0f, 0.0f);

    block.Get<RigidBody>()->velocity = tvec2(1.0f, 0.0f);
    for (int i = 0; i < 60; ++i) // resting on the floor a second long
        Touch(play, block, &floor);
    EXPECT_EQ(block.Get<RigidBody>()->velocity, tvec2(1.0f, 0.0f));
    Touch(play, block, &pusher);
    EXPECT_EQ(block.Get<RigidBody>()->velocity, tvec2(3.0f, 0.0f));
}

TEST(Patrol, StartsAtTheTargetAndGlidesBackAndForthOnEachAxisClock)
{
    BarePlay play;
    Entity& plank = play.Spawn("Plank");
    plank.Add<Transform>();
    Patrol* patrol = plank.Add<Patrol>();
    patrol->target = tvec2(10.0f, 4.0f);
    patrol->travelTimeX = 2.0f;
    patrol->travelTimeY = 0.5f;
    PlayHarness::Start(plank);
    const float xs[] = {7.5f, 5.0f, 2.5f, 0.0f, 0.0f, 2.5f, 5.0f, 7.5f, 10.0f, 10.0f, 7.5f};
    const float ys[] = {0.0f, 0.0f, 4.0f, 4.0f, 0.0f, 0.0f, 4.0f, 4.0f, 0.0f, 0.0f, 4.0f};
    for (std::size_t i = 0; i < sizeof xs / sizeof xs[0]; ++i)
    {
        play.Frame(0.5f);
        EXPECT_FLOAT_EQ(plank.Get<Transform>()->position.x, xs[i]) << "frame " << i;
        EXPECT_FLOAT_EQ(plank.Get<Transform>()->position.y, ys[i]) << "frame " << i;
    }
}

TEST(Moving, GlidesToItsEndEachTimeItIsActivated)
{
    BarePlay play;
    play.engine.GetActiveGamestate().AddSystem("ActionSystem");
    Entity& door = play.Spawn("Door");
    Transform* place = door.Add<Transform>();
    Moving* moving = door.Add<Moving>();
    moving->posNew = tvec2(4.0f, -2.0f);
    moving->time = 1.0f;
    PlayHarness::Start(door);
    play.Post(MSG_SET_ACTIVE, SetActiveMessage{nullptr});
    play.Frame(0.5f);
    EXPECT_EQ(place->position, tvec2(0.0f));
    play.Post(MSG_SET_ACTIVE, SetActiveMessage{&door});
    play.Frames(2, 0.5f);
    EXPECT_NEAR(place->position.x, 2.0f, 1e-5f); // halfway, easing in and out
    play.Frames(2, 0.5f);
    EXPECT_EQ(place->position, tvec2(4.0f, -2.0f));
}

TEST(AirBoost, EachPressPushesOnceByBoost)
{
    BarePlay play;
    Entity& body = MakeBox(play, "Body");
    body.Add<AirBoost>()->boost = 3.0f;
    PlayHarness::Start(body);
    play.Press(8); // E
    EXPECT_EQ(body.Get<RigidBody>()->velocity.x, 3.0f);
    play.Press(20); // Q
    play.Press(20);
    EXPECT_EQ(body.Get<RigidBody>()->velocity.x, -3.0f);
}

TEST(AttachTo, RidesOnItsTargetAndStaysPutWithoutOne)
{
    BarePlay play;
    Entity& lantern = play.Spawn("Lantern");
    Transform* placed = lantern.Add<Transform>();
    placed->position = tvec2(1.0f, 2.0f);
    lantern.Add<AttachTo>()->objectName = "Plank";
    PlayHarness::Start(lantern);
    play.Frame();
    EXPECT_EQ(placed->position, tvec2(1.0f, 2.0f));
    Entity& plank = play.Spawn("Plank");
    plank.Add<Transform>()->position = tvec2(5.0f, -3.0f);
    play.Frame();
    EXPECT_EQ(placed->position, tvec2(5.0f, -3.0f));
    play.engine.GetActiveGamestate().RemoveEntity(plank.id);
    play.Frames(2);
    EXPECT_EQ(placed->position, tvec2(5.0f, -3.0f));
}

TEST(ObjectFollow, WaitsUntilTheTargetComesNearThenChasesItForGood)
{
    BarePlay play;
    Entity& bee = MakeBox(play, "Bee", tvec2(12.0f, 0.0f));
    bee.Get<RigidBody>()->isStatic = false;
    bee.Add<ObjectFollow>()->object = "Flower";
    PlayHarness::Start(bee);
    play.Frame(0.0f); // no flower yet: nothing, and no failure
    Entity& flower = play.Spawn("Flower");
    flower.Add<Transform>();
    play.Frame(0.0f);
    EXPECT_EQ(bee.Get<RigidBody>()->velocity, tvec2(0.0f));
    bee.Get<Transform>()->position = tvec2(9.0f, 0.0f);
    play.Frame(0.0f);
    bee.Get<Transform>()->position = tvec2(12.0f, 0.0f);
    play.Frame(0.0f);
    EXPECT_EQ(bee.Get<RigidBody>()->velocity, tvec2(-5.0f, 0.0f)); // straight at it
    // Between the distances the heading turns by more than a right angle: around it.
    const tvec2 near = FollowHeading(tvec2(7.0f, 0.0f), 5.0f, 10.0f, 0.2f);
    EXPECT_LT(near.x, 0.0f);
    EXPECT_GT(near.y, 0.0f);
}
} // namespace
} // namespace Orvex
