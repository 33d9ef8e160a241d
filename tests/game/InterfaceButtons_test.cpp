#include <cstdlib>

#include <SDL.h>

#include "Furniture.h"
#include "actions/Action.h"
#include "engine/Window.h"
#include "game/components/ChangeResolutionOnClick.h"
#include "game/components/DisplayFPS.h"
#include "game/components/ExpandOnMouseOver.h"
#include "game/components/FadePushGSOnClick.h"
#include "game/components/PopGSOnClick.h"
#include "game/components/PopGSOnKey.h"
#include "game/components/PushGSOnClick.h"
#include "game/components/RestartButton.h"
#include "game/components/SoundOnMouseOver.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
// What the buttons push: a bare registered state.
class ButtonTargetGS : public IGamestate
{
    ORVEX_GAMESTATE(ButtonTargetGS)
    ButtonTargetGS() : IGamestate(true, true) {}
    void Init() override { AddSystem("MessageSystem"); }
    void Update(float dt) override { UpdateComponents(dt); }
    void Shutdown() override {}
};
ORVEX_REGISTER_GAMESTATE(ButtonTargetGS)

namespace
{
constexpr int windowWidth = 800, windowHeight = 600;

// Buttons in a state without a camera, where device and world coordinates agree.
class Buttons : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Window::ResizeWindow(windowWidth, windowHeight);
        state = &play.PushBare();
    }

    // A 1 x 1 box at position, solid or ghost, with the component T.
    template <class T> T& MakeButton(tvec2 position, bool ghost = false)
    {
        Entity& entity = MakeBox(play, "button", position);
        entity.Get<BoxCollider>()->ghost = ghost;
        T* button = entity.Add<T>();
        PlayHarness::Start(entity);
        return *button;
    }

    // The cursor over a world point (identity view), then a click in that frame.
    void ClickAt(tvec2 point)
    {
        PointAt(point);
        play.engine.SendMessage(MSG_MOUSEBUTTONDOWN);
        play.Frame();
    }
    static void PointAt(tvec2 point)
    {
        Input::Current().mouseX = static_cast<int>((point.x + 1.0f) * 0.5f * windowWidth);
        Input::Current().mouseY = static_cast<int>((1.0f - point.y) * 0.5f * windowHeight);
    }

    std::size_t Depth() const { return play.engine.Gamestates().size(); }

    PlayHarness play;
    IGamestate* state = nullptr;
};

// Pop counts cover several states.
TEST_F(Buttons, PushAndPopActOnlyOnClicksInsideTheirCollidersGhostsIncludedAndPushOnlyForARegisteredState)
{
    MakeButton<PushGSOnClick>({-0.5f, 0.5f}).gamestate = "NoSuchGS";
    ClickAt({-0.5f, 0.5f});
    EXPECT_EQ(Depth(), 1u);
    MakeButton<PushGSOnClick>({0.5f, 0.5f}).gamestate = "ButtonTargetGS";
    ClickAt({-0.5f, -0.5f});
    EXPECT_EQ(Depth(), 1u);
    ClickAt({0.6f, 0.4f});
    ASSERT_EQ(Depth(), 2u);
    EXPECT_EQ(play.engine.GetActiveGamestate().TypeName(), "ButtonTargetGS");

    play.engine.PushGamestate("ButtonTargetGS");
    play.Frame();
    auto& ghost = MakeButton<PopGSOnClick>({0.0f, 0.0f}, true);
    ClickAt({0.1f, -0.1f});
    EXPECT_EQ(Depth(), 3u) << "a pop count of zero pops none";
    ghost.popCount = 2;
    ClickAt({0.1f, -0.1f});
    EXPECT_EQ(Depth(), 1u);
}

// A screen with no systems hears no messages; its key is polled instead.
class SilentGS : public IGamestate
{
public:
    SilentGS() : IGamestate(true, true) {}
    void Init() override {}
    void Update(float dt) override { UpdateComponents(dt); }
    void Shutdown() override {}
};

TEST_F(Buttons, PopOnKeyListensForItsScancodeOnlyAndOnAScreenWithoutMessagesToo)
{
    const auto escapeCard = [this]
    {
        Entity& card = play.Spawn("card");
        PopGSOnKey* key = card.Add<PopGSOnKey>();
        key->popCount = 1;
        key->scancode = SDL_SCANCODE_ESCAPE;
        PlayHarness::Start(card);
    };
    play.engine.PushGamestate(New<SilentGS>());
    play.Frame();
    escapeCard();
    play.Press(SDL_SCANCODE_RETURN);
    EXPECT_EQ(Depth(), 2u);
    Input::KeyDown(SDL_SCANCODE_ESCAPE);
    play.Frame();
    EXPECT_EQ(Depth(), 1u);
    play.Frame(); // held: not new again, no second pop
    EXPECT_EQ(Depth(), 1u);
    Input::KeyUp(SDL_SCANCODE_ESCAPE);
    escapeCard(); // on the bare state, which hears its key as a message
    play.Press(SDL_SCANCODE_RETURN);
    EXPECT_EQ(Depth(), 1u);
    play.Press(SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(Depth(), 0u);
}

TEST_F(Buttons, RestartReloadsTheUncoveredLevelOrDoesNothingAlone)
{
    MakeButton<RestartButton>({0.0f, 0.0f});
    ClickAt({0.0f, 0.0f});
    EXPECT_EQ(Depth(), 1u) << "nothing below to restart";

    state->SetCurrentLevel("testlv");
    play.engine.PushGamestate("ButtonTargetGS");
    play.Frame();
    MakeButton<RestartButton>({0.0f, 0.0f});
    ClickAt({0.0f, 0.0f});
    EXPECT_EQ(Depth(), 1u);
    EXPECT_EQ(state->RequestedLevel(), "testlv"); // loads at its next frame start
}

TEST_F(Buttons, FadeBlackensTheCurtainThenPushesOnTheFirstFrameAfter)
{
    Entity& curtain = play.Spawn("curtain");
    curtain.Add<Transform>();
    Color* colour = curtain.Add<Color>();
    Sprite* sprite = curtain.Add<Sprite>();
    sprite->visible = false;
    PlayHarness::Start(curtain);
    auto& fade = MakeButton<FadePushGSOnClick>({0.0f, 0.0f});
    fade.gamestate = "ButtonTargetGS";
    fade.fadeName = "curtain";

    ClickAt({0.0f, 0.0f});
    EXPECT_TRUE(sprite->visible);
    play.Frames(3, 0.25f); // the click frame's update came before the click
    EXPECT_FLOAT_EQ(colour->color.a, 0.5f);
    play.Frames(3, 0.25f);
    EXPECT_EQ(Depth(), 1u);
    play.Frame(0.25f);
    EXPECT_EQ(Depth(), 2u);
    EXPECT_FALSE(sprite->visible);
    EXPECT_EQ(colour->color, tvec4(0.0f, 0.0f, 0.0f, 0.0f));
}

TEST_F(Buttons, HoverGrowsAndRecoloursOnlySolidDrawnButtonsAndRestoresAtOnce)
{
    Entity& entity = MakeBox(play, "hover");
    Transform* transform = entity.Get<Transform>();
    transform->scale = {0.5f, 0.25f}; // as it was when it started
    entity.Add<Color>();
    entity.Add<Sprite>();
    entity.Add<ExpandOnMouseOver>()->newColor = {1.0f, 0.0f, 0.0f, 1.0f};
    PlayHarness::Start(entity);
    PointAt({0.1f, 0.05f});
    play.Frame();
    EXPECT_EQ(transform->scale, tvec2(0.75f, 0.5f));
    EXPECT_EQ(entity.Get<Color>()->color, tvec4(1.0f, 0.0f, 0.0f, 1.0f));
    PointAt({0.9f, 0.9f});
    play.Frame();
    EXPECT_EQ(transform->scale, tvec2(0.5f, 0.25f));
    EXPECT_EQ(entity.Get<Color>()->color, tvec4(1.0f));

    // A ghost, or a box nothing draws, is never under the cursor.
    entity.Get<BoxCollider>()->ghost = true;
    PointAt({0.0f, 0.0f});
    play.Frame();
    EXPECT_EQ(transform->scale, tvec2(0.5f, 0.25f));
    entity.Get<BoxCollider>()->ghost = false;
    entity.RemoveComponent("Sprite");
    play.Frame();
    EXPECT_EQ(transform->scale, tvec2(0.5f, 0.25f));
}

// A 1 x 1 hover-sound button at the origin, under a camera that can glide; it
// is known to sound by its Timer's mark moving to now.
class HoverSound : public Buttons
{
protected:
    void SetUp() override
    {
        Buttons::SetUp();
        eye = MakeCamera(play, 2.0f).owner->Get<Transform>();
        Entity& button = MakeBox(play, "Play");
        button.Add<Color>();
        button.Add<Sprite>();
        button.Add<SoundEmitter>();
        timer = button.Add<Timer>();
        hover = button.Add<SoundOnMouseOver>();
        PlayHarness::Start(button);
    }
    // One frame with the cursor inside or away; true when it sounded.
    bool FrameWithCursor(bool inside, float dt = PlayHarness::step)
    {
        PointAt(inside ? tvec2(0.1f, -0.1f) : tvec2(0.9f, 0.9f));
        const float before = timer->mark;
        play.Frame(dt);
        return timer->mark != before;
    }

    Transform* eye = nullptr;
    Timer* timer = nullptr;
    SoundOnMouseOver* hover = nullptr;
};

TEST_F(HoverSound, SoundsOncePerEntryAndNeverWithinAFifthOfASecondOfTheLast)
{
    EXPECT_FALSE(FrameWithCursor(false, 0.5f));
    EXPECT_TRUE(FrameWithCursor(true));
    EXPECT_FALSE(FrameWithCursor(false));
    EXPECT_FALSE(FrameWithCursor(true)); // back in two frames after the sound
    EXPECT_FALSE(FrameWithCursor(false, 0.1f));
    EXPECT_FALSE(FrameWithCursor(true)); // 0.15 s after it
    for (int i = 0; i < 30; ++i)         // a quiet entry is spent, not postponed
        EXPECT_FALSE(FrameWithCursor(true)) << "frame " << i << " inside";
    EXPECT_FALSE(FrameWithCursor(false));
    EXPECT_TRUE(FrameWithCursor(true));
}

TEST_F(HoverSound, WhileTheCameraGlidesNothingIsAskedAndTheEntryCountsAfterwards)
{
    play.Frame(1.0f);
    Entity& view = *eye->owner;
    AddAction(view, &eye->position, eye->position, 0.5f, QuadOut);
    state->AddSystem("ActionSystem");
    PointAt({0.1f, -0.1f});
    for (int i = 0; i < 20 && !view.actions.empty(); ++i)
    {
        play.Frame(0.1f);
        if (!view.actions.empty())
        {
            EXPECT_FALSE(hover->over || timer->mark != 0.0f) << "frame " << i << " of the glide";
        }
    }
    ASSERT_TRUE(view.actions.empty());
    // The frame the glide ended in already heard the cursor come in.
    EXPECT_NE(timer->mark, 0.0f);
}

TEST(ChangeResolution, ATooLargeRequestGetsTheWholeDisplay)
{
    struct Case
    {
        PixelSize asked, display, chosen;
    };
    for (const Case& c : {Case{{1920, 1080}, {1600, 900}, {1600, 900}}, Case{{1280, 720}, {1920, 1080}, {1280, 720}},
                          Case{{1600, 1200}, {1920, 1080}, {1920, 1080}}}) // wide enough, too short
    {
        const PixelSize chosen = ChosenResolution(c.asked, c.display);
        EXPECT_EQ(chosen.width, c.chosen.width) << c.asked.width << " x " << c.asked.height;
        EXPECT_EQ(chosen.height, c.chosen.height) << c.asked.width << " x " << c.asked.height;
    }
}

// A real window: the size the button names, centred on the display so that no
// edge runs off it, and the button of that size marked chosen.
TEST(ChangeResolution, TheNamedSizeCentredAndMarkedChosen)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    BarePlay play;
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    Window::CreateWindow("resolution", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1280, 720);
    SDL_Rect display{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
    const PixelSize expected = ChosenResolution({1600, 900}, {display.w, display.h});

    auto button = [&](int width, int height) -> Entity&
    {
        Entity& entity = play.Spawn("resolution");
        entity.Add<ExpandOnMouseOver>();
        ChangeResolutionOnClick* resolution = entity.Add<ChangeResolutionOnClick>();
        resolution->width = width;
        resolution->height = height;
        return PlayHarness::Start(entity);
    };
    Entity& wide = button(1600, 900);
    Entity& small = button(1280, 720);
    wide.Get<ChangeResolutionOnClick>()->Press();
    play.Frame();
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowSize(Window::Handle(), &width, &height);
    SDL_GetWindowPosition(Window::Handle(), &x, &y);
    EXPECT_EQ(width, expected.width);
    EXPECT_EQ(height, expected.height);
    EXPECT_EQ(x, display.x + (display.w - expected.width) / 2);
    EXPECT_EQ(y, display.y + (display.h - expected.height) / 2);
    EXPECT_EQ(wide.Get<ExpandOnMouseOver>()->chosen, expected.width == 1600);
    EXPECT_FALSE(small.Get<ExpandOnMouseOver>()->chosen);
    Window::DestroyWindow();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(DisplayFPSText, ShowsTheFramesOfTheLastSecond)
{
    BarePlay play;
    Entity& entity = play.Spawn("fps");
    DisplayFPS* fps = entity.Add<DisplayFPS>();
    SpriteText* text = entity.Add<SpriteText>();
    constexpr std::int64_t frame = 16666667; // nanoseconds, 60 Hz
    for (std::int64_t i = 0; i < 150; ++i)
        fps->Tick(i * frame);
    EXPECT_EQ(text->text, "FPS: 60");
    fps->Tick(149 * frame + 2000000000); // a two-second stall
    EXPECT_EQ(text->text, "FPS: 1");
}
} // namespace
} // namespace Orvex
