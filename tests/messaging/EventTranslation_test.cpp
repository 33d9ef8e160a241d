#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/TestEngine.h"
#include "messaging/EventTranslation.h"

namespace Orvex::Testing
{
namespace
{
// Events go through SDL's own queue and are polled by the engine's frame.
class EventTranslationTest : public EngineTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError();
        EngineTest::SetUp();
        state = Start("state");
        state->onUpdate = [this](TraceState&) {
            wentDown.push_back(Input::KeyWentDown(SDL_SCANCODE_LEFT));
            pressed.push_back(Input::MouseButtonPressed(Input::MouseLeft));
            doubleClicked.push_back(Input::DoubleClicked());
        };
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        SDL_Quit();
    }

    // An event of that type whose other fields the caller sets, pushed by the destructor.
    struct Pushed
    {
        explicit Pushed(Uint32 type) { event.type = type; }
        ~Pushed() { EXPECT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
        SDL_Event event{};
    };
    static void Key(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0)
    {
        Pushed pushed(type);
        pushed.event.key.keysym.scancode = scancode;
        pushed.event.key.repeat = repeat;
    }
    static void Button(Uint32 type, Uint8 button, Uint8 clicks = 1)
    {
        Pushed pushed(type);
        pushed.event.button = {type, 0, 0, 0, button, 0, clicks, 0, 12, 34};
    }
    static void Wheel(Sint32 y)
    {
        Pushed pushed(SDL_MOUSEWHEEL);
        pushed.event.wheel.y = y;
    }
    static void WindowEvent(Uint8 code, Sint32 x = 0, Sint32 y = 0)
    {
        Pushed pushed(SDL_WINDOWEVENT);
        pushed.event.window = {SDL_WINDOWEVENT, 0, 0, code, 0, 0, 0, x, y};
    }

    TraceState* state = nullptr;
    std::vector<bool> wentDown, pressed, doubleClicked; // per frame, as the state saw them
};

// A repeat sends a message but the key went down once; the debug interface sees
// every event before it is translated.
TEST_F(EventTranslationTest, KeysGoDownOnceThroughRepeatsAndTheHookSeesThemFirst)
{
    static std::vector<Uint32> seen;
    seen.clear();
    SetEventHook([](const SDL_Event& event) {
        seen.push_back(event.type);
        EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_LEFT)); // not translated yet
    });
    EarComponent* downs = AddEar(*state, "downs", MSG_KEYDOWN);
    EarComponent* ups = AddEar(*state, "ups", MSG_KEYUP);
    Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    SetEventHook(nullptr);
    Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT, 1);
    engine->RunFrame();
    Key(SDL_KEYUP, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    EXPECT_EQ(seen, (std::vector<Uint32>{SDL_KEYDOWN}));
    ASSERT_EQ(downs->heard.size(), 2u);
    EXPECT_EQ(downs->heard[1].As<KeyMessage>().scancode, static_cast<unsigned>(SDL_SCANCODE_LEFT));
    ASSERT_EQ(ups->heard.size(), 1u);
    EXPECT_EQ(ups->heard[0].As<KeyMessage>().scancode, static_cast<unsigned>(SDL_SCANCODE_LEFT));
    EXPECT_EQ(wentDown, (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_LEFT));
}

// Only the three real buttons are recorded, though every press sends its
// message; a double click lasts one frame; wheel steps set their bit for one frame.
TEST_F(EventTranslationTest, MouseButtonsDoubleClicksAndWheelStepsLastTheirFrames)
{
    EarComponent* downs = AddEar(*state, "downs", MSG_MOUSEBUTTONDOWN);
    EarComponent* ups = AddEar(*state, "ups", MSG_MOUSEBUTTONUP);
    EarComponent* wheelUp = AddEar(*state, "up", MSG_MOUSEWHEELUP);
    EarComponent* wheelDown = AddEar(*state, "down", MSG_MOUSEWHEELDOWN);
    for (const Uint8 button : {Uint8(SDL_BUTTON_X1), Uint8(SDL_BUTTON_X2), Uint8(9), Uint8(SDL_BUTTON_RIGHT)})
        Button(SDL_MOUSEBUTTONDOWN, button);
    engine->RunFrame();
    EXPECT_EQ(Input::Current().mouseButtons.to_ulong(), 1ul << Input::MouseRight);
    EXPECT_EQ(Input::Current().mouseX, 12);
    EXPECT_EQ(Input::Current().mouseY, 34);
    Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2);
    Wheel(2);
    Wheel(0);
    engine->RunFrame();
    EXPECT_TRUE(Input::MouseButtonHeld(Input::MouseWheelUp));
    EXPECT_FALSE(Input::MouseButtonHeld(Input::MouseWheelDown));
    EXPECT_EQ(downs->heard.size(), 5u);
    Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    Wheel(-1);
    engine->RunFrame();
    EXPECT_EQ(Input::Current().mouseButtons.to_ulong(), 1ul << Input::MouseWheelDown);
    EXPECT_EQ(ups->heard.size(), 2u);
    EXPECT_EQ(wheelUp->heard.size(), 1u);
    EXPECT_EQ(wheelDown->heard.size(), 1u);
    EXPECT_EQ(pressed, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(doubleClicked, (std::vector<bool>{false, true, false}));
}

TEST_F(EventTranslationTest, WindowEventsDeactivateActivateAndReportMoves)
{
    EarComponent* moves = AddEar(*state, "moves", MSG_WINDOW_MOVED);
    WindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    engine->RunFrame();
    EXPECT_FALSE(engine->HasFlag(Engine::ACTIVE));
    WindowEvent(SDL_WINDOWEVENT_RESTORED);
    WindowEvent(SDL_WINDOWEVENT_MOVED, 70, 80);
    WindowEvent(SDL_WINDOWEVENT_ENTER); // ignored
    engine->RunFrame();
    EXPECT_TRUE(engine->HasFlag(Engine::ACTIVE));
    ASSERT_EQ(moves->heard.size(), 1u);
    EXPECT_EQ(moves->heard[0].As<SizeMessage>().x, 70);
    EXPECT_EQ(moves->heard[0].As<SizeMessage>().y, 80);
}

// With the quit state unregistered the request is refused with a log line;
// with it on top, nothing more is pushed. Other event types are written as
// their number.
TEST_F(EventTranslationTest, CloseRequestPushesNoSecondQuitStateAndOtherTypesArePrinted)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    for (const bool onTop : {false, true})
    {
        if (onTop)
            state->SetTypeName("QuitGS");
        testing::internal::CaptureStderr();
        TranslateEvent(quit);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(onTop ? log.empty() : log.find("\"QuitGS\"") != std::string::npos) << log;
        EXPECT_FALSE(engine->HasFlag(Engine::PUSH_PENDING));
    }
    SDL_Event other{};
    other.type = SDL_USEREVENT;
    testing::internal::CaptureStdout();
    TranslateEvent(other);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::to_string(SDL_USEREVENT) + "\n");
}
} // namespace
} // namespace Orvex::Testing
