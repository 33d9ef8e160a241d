#include <cmath>
#include <vector>

#include <SDL.h>

#include "Furniture.h"
#include "audio/ChannelGroup.h"
#include "data/Deserializer.h"
#include "messaging/Gamepads.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyA = 4, keyD = 7;
constexpr float halfPi = 1.5707964f, turn = 3.1415927f * 0.1f; // a tenth of a second's lean

// The furniture dog in a bare playing state.
class DogControls : public ::testing::Test, public DogLevel
{
protected:
    DogControls()
        : dog(MakeDog(play)), transform(dog.Get<Transform>()), body(dog.Get<RigidBody>()),
          controller(dog.Get<TumboController>())
    {
    }
    // Sounds started in the playing state's effects group.
    int EffectsSounding()
    {
        int count = 0;
        state->SoundGroups().effects->GetNumChannels(&count);
        return count;
    }
    void Touch(int vertex, tvec2 point = tvec2(0.0f), bool ghost = false)
    {
        play.Post(MSG_COLLISION, CollisionMessage{&dog, nullptr, point, vertex, ghost});
        play.Frame(0.0f);
    }
    void Bounce(Entity* target, float factor)
    {
        play.Post(MSG_BOUNCE, BounceMessage{target, factor});
        play.Frame(0.0f);
    }
    std::size_t Sparks() { return dog.Get<ParticleEmitter>()->Particles().Size(); }

    Entity& dog;
    Transform* transform;
    RigidBody* body;
    TumboController* controller;
};

TEST_F(DogControls, HoldingLeftLeansUpToTheClampAndPushesLeftOnceLeaning)
{
    Input::KeyDown(keyA);
    play.Frame(0.1f);
    EXPECT_NEAR(transform->rotation, turn, 1e-6f);
    // A tenth of a second of jump speed 10 over the lean factor, along the lean.
    EXPECT_NEAR(body->velocity.x, -0.41202f, 1e-5f);
    play.Frames(10, 0.1f);
    EXPECT_FLOAT_EQ(transform->rotation, halfPi);
    // Turning back from that side does not push.
    Input::KeyUp(keyA);
    Input::KeyDown(keyD);
    const float pushed = body->velocity.x;
    play.Frame(0.1f);
    EXPECT_NEAR(transform->rotation, halfPi - turn, 1e-6f);
    EXPECT_FLOAT_EQ(body->velocity.x, pushed);
}

// Each layout, as a level file gives its number, leans on its own keys: layout 3
// on A / D and the arrows alike, a key of each pair held together no faster than
// one (a recorded run holds them all); a number past the layouts reads no key.
TEST(TumboController, EachLayoutLeansOnItsOwnKeysOnceAFrame)
{
    constexpr unsigned left = 80, right = 79, padLeft = 92, padRight = 94;
    const struct
    {
        unsigned layout;
        std::vector<unsigned> keys;
        float turns; // of one frame's lean, leftward
    } cases[] = {{0, {keyA}, 1},         {0, {keyD}, -1},          {0, {left, padLeft}, 0},
                 {1, {left}, 1},         {1, {right}, -1},         {1, {keyA, padLeft}, 0},
                 {2, {padLeft}, 1},      {2, {padRight}, -1},      {2, {keyA, left}, 0},
                 {3, {keyA}, 1},         {3, {left}, 1},           {3, {keyA, left}, 1},
                 {3, {keyD, right}, -1}, {3, {keyA, right}, 0},    {3, {padLeft}, 0},
                 {4, {keyA, left, padLeft}, 0}};
    for (const auto& c : cases)
    {
        BarePlay play;
        Entity& dog = MakeDog(play);
        Deserializer fromLevel;
        fromLevel.SetValue("Controller", std::to_string(c.layout));
        TumboController::Meta().ReadFields(*dog.Get<TumboController>(), fromLevel);
        for (const unsigned key : c.keys)
            Input::KeyDown(key);
        play.Frame(0.1f);
        EXPECT_NEAR(dog.Get<Transform>()->rotation, c.turns * turn, 1e-6f)
            << "layout " << c.layout << ", first key " << c.keys[0];
    }
}

// Through SDL's own virtual gamepad: plugged in while playing, its stick leans
// the dog right, half way half as fast, not at all inside the dead zone; pulled
// out, nothing stays held.
TEST_F(DogControls, AGamepadPluggedInWhilePlayingLeansTheDogWithItsStick)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* device = SDL_JoystickOpen(index);
    const auto leanWith = [&](Sint16 axis)
    {
        SDL_JoystickSetVirtualAxis(device, SDL_CONTROLLER_AXIS_LEFTX, axis);
        play.Frame(0.0f);
        transform->rotation = 0.0f;
        play.Frame(0.1f);
        return transform->rotation;
    };
    play.Frame(0.0f); // the engine's poll sees the pad arrive
    EXPECT_EQ(Gamepads::Count(), 1);
    const std::pair<Sint16, float> pushes[] = {{32767, 1.0f}, {20479, 0.5f}, {8000, 0.0f}};
    for (const auto& [axis, lean] : pushes)
        EXPECT_NEAR(leanWith(axis), -turn * lean, 1e-4f) << axis;

    leanWith(32767);
    SDL_JoystickClose(device);
    SDL_JoystickDetachVirtual(index);
    play.Frame(0.0f);
    EXPECT_EQ(Gamepads::Count(), 0);
    transform->rotation = 0.0f;
    play.Frame(0.1f);
    EXPECT_FLOAT_EQ(transform->rotation, 0.0f);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// Upright the jump is straight up, lying on the side it is sideways; at rest, or
// with a blend that cancels, it is never NaN. (The shipped runs pin the slanted
// landings, where the incoming direction counts.)
TEST(TumboController, ALandingJumpsAtFullSpeedAlongTheBodyAndNeverNaN)
{
    for (float lean : {0.0f, halfPi, -1.1f, 0.25f})
    {
        const tvec2 jump = LandingVelocity(tvec2(0.0f, -3.0f), lean, 10.0f);
        EXPECT_NEAR(jump.x, -10.0f * std::sin(lean), 1e-5f) << lean;
        EXPECT_NEAR(jump.y, 10.0f * std::cos(lean), 1e-5f) << lean;
    }
    EXPECT_EQ(LandingVelocity(tvec2(0.0f), 0.0f, 10.0f), tvec2(0.0f, 10.0f));
    // Upside down and rising: (0, 1) + 2 (0, -1) + (0, 1) = (0, 0).
    const tvec2 cancelled = LandingVelocity(tvec2(0.0f, 5.0f), 3.1415927f, 10.0f);
    EXPECT_FALSE(std::isnan(cancelled.x) || std::isnan(cancelled.y));
    EXPECT_NEAR(glm::length(cancelled), 10.0f, 1e-4f);
}

// Only the foot lands: it jumps and sparks; a bounce for this dog scales that
// jump with its own sound, one for another does nothing. A ghost contact changes
// nothing, not even the last vertex.
TEST_F(DogControls, AFootContactJumpsAndSparksAndABounceForThisDogScalesIt)
{
    controller->bounceySound.SetName("Spring");
    body->velocity = tvec2(0.0f, -4.0f);
    Touch(2);
    EXPECT_EQ(body->velocity, tvec2(0.0f, 10.0f));
    const std::size_t sparks = Sparks();
    EXPECT_GT(sparks, 0u);
    Bounce(nullptr, 3.0f);
    EXPECT_EQ(body->velocity, tvec2(0.0f, 10.0f));
    EXPECT_EQ(EffectsSounding(), 0);
    Bounce(&dog, 1.5f);
    EXPECT_EQ(body->velocity, tvec2(0.0f, 15.0f));
    EXPECT_EQ(EffectsSounding(), 1); // the boosted jump's own sound

    body->velocity = tvec2(1.0f, -1.0f);
    Touch(0);
    Touch(2, tvec2(0.0f), true);
    EXPECT_EQ(controller->lastContactVertex, 0);
    EXPECT_EQ(body->velocity, tvec2(1.0f, -1.0f));
    EXPECT_EQ(Sparks(), sparks);
}

TEST_F(DogControls, ContactsCloserThanATenthMakeOneSoundEvenWhileTheRocketSilencesThem)
{
    controller->normalSound.SetName("Spring");
    controller->sideSound.SetName("SideThud");
    Timer* timer = dog.Get<Timer>();
    play.Frame(0.2f);
    Touch(2);
    EXPECT_FLOAT_EQ(timer->mark, 0.2f);
    EXPECT_EQ(EffectsSounding(), 1);
    play.Frame(0.05f);
    Touch(2);
    EXPECT_FLOAT_EQ(timer->mark, 0.2f); // too soon: no sound, no new mark
    EXPECT_EQ(EffectsSounding(), 1);
    play.Post(MSG_ROCKET_START, CollisionMessage{&dog, nullptr, tvec2(0.0f), -1, false});
    play.Frame(0.1f);
    EXPECT_TRUE(controller->rocketActive);
    Touch(5);
    EXPECT_FLOAT_EQ(timer->mark, 0.35f);
    EXPECT_EQ(EffectsSounding(), 1);
    play.Post(MSG_ROCKET_END, CollisionMessage{});
    play.Frame(0.0f);
    EXPECT_FALSE(controller->rocketActive);
}

TEST_F(DogControls, SideContactsEveryFrameRaiseOneDustPuffPerHalfSecondAtTheirPoint)
{
    for (int i = 0; i < 60; ++i) // one second of side contacts
    {
        play.Frame(1.0f / 60.0f);
        Touch(0, tvec2(static_cast<float>(i), 1.0f));
    }
    const std::vector<const Entity*> puffs = Named("Dust");
    ASSERT_EQ(puffs.size(), 1u); // the first faded out at 0.5 s
    const tvec2 point = puffs[0]->Get<Transform>()->position;
    EXPECT_GE(point.x, 58.0f);
    // Its burst starts there, with the puff's own sound.
    const ParticleList& puff = puffs[0]->Get<ParticleEmitter>()->Particles();
    ASSERT_GT(puff.Size(), 0u);
    EXPECT_NEAR(puff.begin()->position.x, point.x, 0.3f);
    EXPECT_NEAR(puff.begin()->position.y, 1.0f, 0.3f);
    EXPECT_TRUE(puffs[0]->Get<SoundEmitter>()->channel);
}

} // namespace
} // namespace Orvex
