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
    static void Key(Uint32 type, SDL_Scancode scancode)
    {
        Pushed pushed(type);
        pushed.event.key.keysym.scancode = scancode;
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
};

// The debug interface sees every event before it is translated; a frame's events
// are in the input state when the frame is over.
TEST_F(EventTranslationTest, KeysReachTheInputAfterTheHookSawThem)
{
    static std::vector<Uint32> seen;
    seen.clear();
    SetEventHook([](const SDL_Event& event) {
        seen.push_back(event.type);
        EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_LEFT)); // not translated yet
    });
    Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    SetEventHook(nullptr);
    EXPECT_TRUE(Input::KeyWentDown(SDL_SCANCODE_LEFT));
    Key(SDL_KEYUP, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    EXPECT_EQ(seen, (std::vector<Uint32>{SDL_KEYDOWN}));
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_LEFT));
}

// Only the three real buttons are recorded, though every press sends its
// message; a double click and wheel steps set their bits for one frame.
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
    EXPECT_EQ(Input::Current().mouseButtons.to_ulong(),
              1ul << Input::MouseRight | 1ul << Input::MouseLeft | 1ul << Input::MouseDoubleClick |
                  1ul << Input::MouseWheelUp);
    EXPECT_EQ(downs->heard.size(), 5u);
    Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    Wheel(-1);
    engine->RunFrame();
    EXPECT_EQ(Input::Current().mouseButtons.to_ulong(), 1ul << Input::MouseWheelDown);
    EXPECT_EQ(ups->heard.size(), 2u);
    EXPECT_EQ(wheelUp->heard.size(), 1u);
    EXPECT_EQ(wheelDown->heard.size(), 1u);
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
