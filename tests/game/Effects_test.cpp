#include "Furniture.h"
#include "data/LevelSettings.h"
#include "game/components/Fade.h"
#include "game/components/InvertAfterTime.h"
#include "game/components/MakeVisibleAfterTime.h"
#include "game/components/Rainbow.h"
#include "game/components/RandomColorOnEvent.h"
#include "game/components/TransitionFade.h"
#include "game/components/ZoomInAndOut.h"
#include "graphics/Camera.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
constexpr float tick = 0.125f; // seconds: an exact binary fraction, so sums stay exact

TEST(TransitionFade, ClearsFromBlackAtTheStartAndIsBlackAgainWithinTheEndTimer)
{
    struct Case
    {
        float endTimer;  // 0: none
        int blackAfter;  // ticks after MSG_END_LEVEL
    };
    for (const Case& c : {Case{0.0f, 12}, Case{1.25f, 10}, Case{0.25f, 2}})
    {
        PlayHarness play;
        IGamestate& state = play.PushBare();
        Entity& settings = play.Spawn("LevelSettings");
        settings.Add<Color>();
        settings.Add<LevelSettings>()->endTimer = c.endTimer;
        PlayHarness::Start(settings);
        state.SetLevelSettings(settings.id);
        Entity& curtain = play.Spawn("Curtain");
        curtain.Add<Transform>();
        Color* color = curtain.Add<Color>();
        color->color = tvec4(0.0f, 0.0f, 0.0f, 1.0f);
        curtain.Add<Sprite>()->visible = false;
        curtain.Add<TransitionFade>();
        PlayHarness::Start(curtain);
        EXPECT_TRUE(curtain.Get<Sprite>()->visible);

        play.Frames(2, tick); // the start delay, a quarter second
        EXPECT_EQ(color->color.a, 1.0f);
        play.Frames(4, tick);
        EXPECT_EQ(color->color.a, 0.5f);
        play.Frames(4, tick);
        EXPECT_EQ(color->color.a, 0.0f);
        play.Frames(20, tick);
        EXPECT_EQ(color->color.a, 0.0f);

        play.engine.Send(MSG_END_LEVEL, 0);
        state.Messages()->DeliverAll(); // as from a collision handler: heard this frame
        play.Frames(c.blackAfter - 1, tick);
        EXPECT_LT(color->color.a, 1.0f) << c.endTimer;
        play.Frame(tick);
        EXPECT_EQ(color->color, tvec4(0.0f, 0.0f, 0.0f, 1.0f)) << c.endTimer;
        play.engine.Send(MSG_END_LEVEL, 0); // heard once: it stays black
        play.Frames(4, tick);
        EXPECT_EQ(color->color.a, 1.0f);
    }
}

TEST(Fade, PulsesOutRestsInvisibleAndComesBack)
{
    BarePlay play;
    Entity& lamp = play.Spawn("Lamp");
    Color* color = lamp.Add<Color>();
    Fade* fade = lamp.Add<Fade>();
    fade->speed = 0.5f;
    fade->timeForFade = 1.0f;
    fade->offset = 0.25f;
    play.Frames(2, tick); // the offset
    EXPECT_EQ(color->color.a, 1.0f);
    // ticks after the offset -> alpha: 2 s out, 1 s at 0, 2 s back in
    const std::pair<int, float> marks[] = {{1, 0.9375f}, {16, 0.0f}, {23, 0.0f}, {24, 0.0625f}, {39, 1.0f}, {40, 0.9375f}};
    int done = 0;
    for (const auto& [ticks, alpha] : marks)
    {
        play.Frames(ticks - done, tick);
        done = ticks;
        EXPECT_EQ(color->color.a, alpha) << ticks;
    }
}

TEST(ZoomInAndOut, BreathesTheCameraOrTheScaleKeepingItsShape)
{
    BarePlay play;
    Camera* camera = &MakeCamera(play);
    camera->owner->Add<ZoomInAndOut>()->length = 2.0f;
    Entity& balloon = play.Spawn("Balloon");
    Transform* shape = balloon.Add<Transform>();
    shape->scale = tvec2(2.0f, 1.0f);
    balloon.Add<ZoomInAndOut>()->length = 2.0f;
    play.Frame(0.5f);
    EXPECT_EQ(camera->size, 10.5f);
    EXPECT_EQ(shape->scale, tvec2(2.5f, 1.25f));
    play.Frames(3, 0.5f); // the turn at 2 s
    EXPECT_EQ(camera->size, 11.0f);
    play.Frames(4, 0.5f);
    EXPECT_EQ(camera->size, 10.0f);
    EXPECT_EQ(shape->scale, tvec2(2.0f, 1.0f));
}

TEST(MakeVisibleAfterTime, ShowsTheTextThenLeavesTheEntity)
{
    BarePlay play;
    Entity& sign = play.Spawn("Sign");
    SpriteText* text = sign.Add<SpriteText>();
    text->visible = false;
    sign.Add<MakeVisibleAfterTime>()->time = 3.0f;
    play.Frames(23, tick);
    EXPECT_FALSE(text->visible);
    play.Frame(tick);
    EXPECT_TRUE(text->visible);
    EXPECT_EQ(sign.Get<MakeVisibleAfterTime>(), nullptr);
}

TEST(InvertAfterTime, TurnsTheViewOverOnceWhenTheTimerIsUp)
{
    BarePlay play;
    Camera* camera = &MakeCamera(play);
    Entity& view = *camera->owner;
    view.Add<Timer>();
    InvertAfterTime* invert = view.Add<InvertAfterTime>();
    invert->active = true;
    invert->time = 0.5f;
    play.Frames(3, tick);
    EXPECT_EQ(camera->size, 10.0f);
    play.Frames(2, tick); // the timer may tick after the check in a frame
    EXPECT_EQ(camera->size, -10.0f);
    play.Frames(5, tick);
    EXPECT_EQ(camera->size, -10.0f);
}

TEST(RandomColours, RainbowAndEventChangeRedGreenBlueOnlyWhenDue)
{
    BarePlay play;
    Entity& sign = play.Spawn("Sign");
    sign.Add<Transform>();
    Color* color = sign.Add<Color>();
    sign.Add<RandomColorOnEvent>()->message = "MSG_BOUNCE";
    sign.Add<Rainbow>()->speed = 1.0f;
    PlayHarness::Start(sign);
    play.Post(MSG_ADD_SCORE, ScoreMessage{1});
    play.Frame(0.5f);
    EXPECT_EQ(color->color, tvec4(1.0f));
    play.Post(MSG_BOUNCE, BounceMessage{nullptr, 2.0f});
    play.Frame(0.0f);
    EXPECT_NE(color->color, tvec4(1.0f));
    EXPECT_EQ(color->color.a, 1.0f);
    play.Frame(0.5f); // the rainbow's second
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_GE(color->color[i], 0.1f);
        EXPECT_LE(color->color[i], 0.5f);
    }
}
} // namespace
} // namespace Orvex
