#include "Furniture.h"
#include "game/components/Activator.h"
#include "game/components/ChangeLevelOnKey.h"
#include "game/components/CollideColor.h"
#include "game/components/CollideFade.h"
#include "game/components/CollideInvert.h"
#include "game/components/CollideMove.h"
#include "game/components/CollideTeleport.h"
#include "game/components/CreateOnClick.h"
#include "game/components/KillBelowY.h"
#include "game/components/MultiActivator.h"
#include "game/components/ResizeOnCollide.h"
#include "graphics/ActivatorParticles.h"
#include "graphics/Camera.h"
#include "graphics/CameraView.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"

namespace Orvex
{
namespace
{
// A switch that slides from the origin to end when touched and then activates target.
CollideMove& MakeSwitch(PlayHarness& play, const std::string& name, tvec2 end,
                        const std::string& target)
{
    Entity& box = MakeBox(play, name);
    CollideMove* move = box.Add<CollideMove>();
    move->posNew = end;
    move->speed = 0.5f;
    move->activatable = true;
    box.Add<Activator>()->entityName = target;
    PlayHarness::Start(box);
    return *move;
}

// A relay that counts its activations and fires target at the count.
MultiActivator& MakeRelay(PlayHarness& play, const std::string& name, int count,
                          const std::string& target = "")
{
    Entity& relay = play.Spawn(name);
    MultiActivator* multi = relay.Add<MultiActivator>();
    multi->activationsUntilActivate = count;
    relay.Add<Activator>()->entityName = target;
    PlayHarness::Start(relay);
    return *multi;
}

TEST(Activators, TwoSwitchesThroughARelayStopTheHintAtThePad)
{
    BarePlay play;
    Entity& player = MakePlayer(play);
    CollideMove& first = MakeSwitch(play, "SwitchA", tvec2(4.0f, 2.0f), "Relay");
    CollideMove& second = MakeSwitch(play, "SwitchB", tvec2(0.0f, -1.0f), "Relay");
    MakeRelay(play, "Relay", 2, "Pad");
    play.Spawn("Pad");
    Entity& hint = play.Spawn("Hint");
    hint.Add<Transform>();
    ParticleEmitter* sparks = hint.Add<ParticleEmitter>();
    hint.Add<ActivatorParticles>()->rocketPad = "Pad";
    PlayHarness::Start(hint);

    Entity& lonely = play.Spawn("Lonely");
    lonely.Add<Activator>()->entityName = "Nobody";
    lonely.Get<Activator>()->Activate();
    EXPECT_EQ(play.engine.GetActiveGamestate().Messages()->QueuedCount(), 0u); // a name that matches nothing

    Touch(play, *first.owner, &MakeBox(play, "Crate")); // only the player moves it
    play.Frames(4, 0.25f);
    EXPECT_FALSE(first.moving);
    EXPECT_EQ(first.owner->Get<Transform>()->position, tvec2(0.0f));
    Touch(play, *first.owner, &player);
    EXPECT_TRUE(first.owner->collider->ghost);
    // (0, 0) to (4, 2) at half the way per second: 2 s, then the snap.
    play.Frames(8, 0.25f);
    EXPECT_FALSE(first.finished);
    play.Frame(0.25f);
    EXPECT_TRUE(first.finished);
    EXPECT_EQ(first.owner->Get<Transform>()->position, tvec2(4.0f, 2.0f));
    EXPECT_TRUE(sparks->active);
    // A straight drop covers no horizontal distance: it ends on its first update.
    Touch(play, *second.owner, &player);
    play.Frame(0.25f);
    EXPECT_EQ(second.owner->Get<Transform>()->position, tvec2(0.0f, -1.0f));
    play.Frame(0.0f);
    EXPECT_FALSE(sparks->active);
}

TEST(Activators, ARelayFiresExactlyAtItsCountAndNeverAgain)
{
    struct Case
    {
        int count;
        int fireAt; // 0: never, in six activations
    };
    for (const Case& c : {Case{3, 3}, Case{1, 1}, Case{0, 0}})
    {
        BarePlay play;
        MultiActivator& relay = MakeRelay(play, "Relay", c.count, "Lamp");
        MultiActivator& lamp = MakeRelay(play, "Lamp", 1000); // counts what reaches it
        for (int i = 1; i <= 6; ++i)
        {
            play.Post(MSG_SET_ACTIVE, SetActiveMessage{relay.owner});
            play.Frame(0.0f);
            EXPECT_EQ(lamp.activations, c.fireAt && i >= c.fireAt ? 1 : 0)
                << "count " << c.count << ", activation " << i;
        }
    }
}

TEST(Triggers, KillBelowYRemovesTheEntityFromYDown)
{
    for (const float y : {-9.99f, -10.0f, -11.0f})
    {
        PlayHarness play;
        IGamestate& state = play.PushBare();
        Entity& crate = MakeBox(play, "Crate", tvec2(0.0f, y));
        crate.Add<KillBelowY>()->y = -10.0f;
        PlayHarness::Start(crate);
        const std::uint32_t id = crate.id;
        play.Frame();
        EXPECT_EQ(state.Entities().count(id), y > -10.0f ? 1u : 0u) << y;
    }
}

TEST(Triggers, CollideFadeMovesTheAlphaByTheTouchAndStaysWithinZeroAndOne)
{
    struct Case
    {
        bool untilCollide;
        bool touched;
        float alpha;
        float expected; // after 0.25 s at FadeSpeed 1
    };
    const Case cases[] = {
        {false, true, 0.5f, 0.25f},  {false, true, 0.1f, 0.0f},   {false, false, 0.5f, 0.75f},
        {false, false, 0.9f, 1.0f},  {true, false, 0.5f, 0.25f},  {true, false, 0.1f, 0.0f},
        {true, true, 0.5f, 0.75f},   {true, false, 1.0f, 1.0f},
    };
    for (const Case& c : cases)
    {
        BarePlay play;
        Entity& player = MakePlayer(play);
        Entity& plank = MakeBox(play, "Plank");
        plank.Add<Color>()->color.a = c.alpha;
        plank.Add<CollideFade>()->fadeUntilCollide = c.untilCollide;
        PlayHarness::Start(plank);
        if (c.touched)
            Touch(play, plank, &player);
        play.Frame(0.25f);
        EXPECT_FLOAT_EQ(plank.Get<Color>()->color.a, c.expected)
            << c.untilCollide << c.touched << " from " << c.alpha;
    }
}

// The teleport keeps the player's velocity.
TEST(Triggers, ColourInvertResizeAndTeleportAnswerToThePlayerOnly)
{
    BarePlay play;
    Entity& player = MakePlayer(play);
    player.Get<RigidBody>()->velocity = tvec2(3.0f, -2.0f);
    Entity& crate = MakeBox(play, "Crate", tvec2(2.0f, 2.0f));
    Camera* view = &MakeCamera(play);

    Entity& block = MakeBox(play, "Block");
    block.Add<Color>();
    CollideColor* colour = block.Add<CollideColor>();
    colour->red = 0.5f;
    block.Add<CollideInvert>();
    block.Add<ResizeOnCollide>()->size = tvec2(0.5f, 0.25f);
    block.Add<CollideTeleport>()->newPos = tvec2(-5.0f, 7.0f);
    PlayHarness::Start(block);

    Touch(play, block, &crate);
    EXPECT_EQ(view->size, 10.0f);
    EXPECT_EQ(block.Get<Transform>()->scale, tvec2(1.0f));
    EXPECT_EQ(crate.Get<Transform>()->position, tvec2(2.0f, 2.0f));
    Touch(play, block, &player); // the colour is not Active yet
    EXPECT_EQ(player.Get<Transform>()->position, tvec2(-5.0f, 7.0f));
    EXPECT_EQ(player.Get<RigidBody>()->velocity, tvec2(3.0f, -2.0f));
    EXPECT_EQ(block.Get<Color>()->color, tvec4(1.0f));
    EXPECT_EQ(view->size, -10.0f);
    EXPECT_EQ(block.Get<Transform>()->scale, tvec2(1.5f, 1.25f));
    colour->active = true;
    Touch(play, block, &player);
    EXPECT_EQ(block.Get<Color>()->color, tvec4(0.5f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(view->size, 10.0f);
}

TEST(Triggers, NumberKeysRequestThePlayLevelsInOrder)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& keys = play.Spawn("Keys");
    keys.Add<ChangeLevelOnKey>();
    PlayHarness::Start(keys);
    const std::pair<unsigned, const char*> cases[] = {
        {30, "Level1Forest"}, {31, "Level2Bounce"}, {34, "Level4Rocket_end"}, {35, ""}, {29, ""}};
    for (const auto& [key, level] : cases)
    {
        state.RequestLevel("");
        play.Post(MSG_KEYDOWN, KeyMessage{key});
        state.Messages()->DeliverAll(); // looked at before a load would take it
        EXPECT_EQ(state.RequestedLevel(), level) << key;
    }
    state.RequestLevel("");
}

TEST(Triggers, AClickCreatesTheArchetypeWhereTheCursorPoints)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& maker = play.Spawn("Maker");
    maker.Add<CreateOnClick>()->archetype = "Dust";
    PlayHarness::Start(maker);
    const std::size_t before = state.Entities().size();
    play.Post(MSG_MOUSEBUTTONDOWN, 0);
    play.Frame(0.0f);
    ASSERT_EQ(state.Entities().size(), before + 1);
    for (const auto& entry : state.Entities())
        if (entry.second != &maker)
        {
            EXPECT_EQ(entry.second->archetype, "Dust");
            EXPECT_EQ(entry.second->Get<Transform>()->position, MouseWorldPosition());
        }
}
} // namespace
} // namespace Orvex
