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

    static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
    static void PushKey(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0)
    {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.repeat = repeat;
        Push(event);
    }
    static void PushButton(Uint32 type, Uint8 button, Uint8 clicks = 1)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        event.button.clicks = clicks;
        event.button.x = 12;
        event.button.y = 34;
        Push(event);
    }
    static void PushWindow(Uint8 code, Sint32 data1 = 0, Sint32 data2 = 0)
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = code;
        event.window.data1 = data1;
        event.window.data2 = data2;
        Push(event);
    }
    static void PushWheel(Sint32 y)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = y;
        Push(event);
    }

    TraceState* state = nullptr;
    std::vector<bool> wentDown, pressed, doubleClicked; // per frame, as the state saw them
};

TEST_F(EventTranslationTest, KeyRepeatsSendMessagesButTheKeyWentDownOnce)
{
    EarComponent* downs = AddEar(*state, "downs", MSG_KEYDOWN);
    EarComponent* ups = AddEar(*state, "ups", MSG_KEYUP);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_LEFT, 1);
    engine->RunFrame();
    PushKey(SDL_KEYUP, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    ASSERT_EQ(downs->heard.size(), 2u);
    EXPECT_EQ(downs->heard[1].As<KeyMessage>().scancode, static_cast<unsigned>(SDL_SCANCODE_LEFT));
    ASSERT_EQ(ups->heard.size(), 1u);
    EXPECT_EQ(ups->heard[0].As<KeyMessage>().scancode, static_cast<unsigned>(SDL_SCANCODE_LEFT));
    EXPECT_EQ(wentDown, (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_LEFT));
}

TEST_F(EventTranslationTest, DoubleClickLastsOneFrameAndStillSendsButtonDown)
{
    EarComponent* downs = AddEar(*state, "downs", MSG_MOUSEBUTTONDOWN);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2);
    engine->RunFrame();
    engine->RunFrame();
    EXPECT_EQ(downs->heard.size(), 1u);
    EXPECT_EQ(pressed, (std::vector<bool>{true, false}));
    EXPECT_EQ(doubleClicked, (std::vector<bool>{true, false}));
    EXPECT_TRUE(Input::MouseButtonHeld(Input::MouseLeft));
    EXPECT_EQ(Input::Current().mouseX, 12);
    EXPECT_EQ(Input::Current().mouseY, 34);
}

TEST_F(EventTranslationTest, OnlyTheThreeRealButtonsAreRecorded)
{
    EarComponent* downs = AddEar(*state, "downs", MSG_MOUSEBUTTONDOWN);
    EarComponent* ups = AddEar(*state, "ups", MSG_MOUSEBUTTONUP);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X2);
    PushButton(SDL_MOUSEBUTTONDOWN, 9);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    engine->RunFrame();
    EXPECT_EQ(Input::Current().mouseButtons.to_ulong(), 1ul << Input::MouseRight);
    EXPECT_EQ(downs->heard.size(), 4u);
    PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    engine->RunFrame();
    EXPECT_TRUE(Input::Current().mouseButtons.none());
    EXPECT_EQ(ups->heard.size(), 1u);
}

TEST_F(EventTranslationTest, WheelStepsSetTheirBitForOneFrameAndSendTheirMessage)
{
    EarComponent* up = AddEar(*state, "up", MSG_MOUSEWHEELUP);
    EarComponent* down = AddEar(*state, "down", MSG_MOUSEWHEELDOWN);
    PushWheel(2);
    PushWheel(0);
    engine->RunFrame();
    EXPECT_TRUE(Input::MouseButtonHeld(Input::MouseWheelUp));
    EXPECT_FALSE(Input::MouseButtonHeld(Input::MouseWheelDown));
    PushWheel(-1);
    engine->RunFrame();
    EXPECT_FALSE(Input::MouseButtonHeld(Input::MouseWheelUp));
    EXPECT_TRUE(Input::MouseButtonHeld(Input::MouseWheelDown));
    EXPECT_EQ(up->heard.size(), 1u);
    EXPECT_EQ(down->heard.size(), 1u);
}

TEST_F(EventTranslationTest, WindowEventsDeactivateActivateAndReportMoves)
{
    EarComponent* moves = AddEar(*state, "moves", MSG_WINDOW_MOVED);
    PushWindow(SDL_WINDOWEVENT_MINIMIZED);
    engine->RunFrame();
    EXPECT_FALSE(engine->HasFlag(Engine::ACTIVE));
    PushWindow(SDL_WINDOWEVENT_RESTORED);
    PushWindow(SDL_WINDOWEVENT_MOVED, 70, 80);
    PushWindow(SDL_WINDOWEVENT_ENTER); // ignored
    engine->RunFrame();
    EXPECT_TRUE(engine->HasFlag(Engine::ACTIVE));
    ASSERT_EQ(moves->heard.size(), 1u);
    EXPECT_EQ(moves->heard[0].As<SizeMessage>().x, 70);
    EXPECT_EQ(moves->heard[0].As<SizeMessage>().y, 80);
}

// With the quit state unregistered the request is refused with a log line;
// with it on top, nothing more is pushed.
TEST_F(EventTranslationTest, CloseRequestPushesNoSecondQuitStateNorAnUnregisteredOne)
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
}

TEST_F(EventTranslationTest, TheDebugInterfaceSeesEveryEventFirst)
{
    static std::vector<Uint32> seen;
    seen.clear();
    SetEventHook([](const SDL_Event& event) {
        seen.push_back(event.type);
        EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_LEFT)); // not translated yet
    });
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    engine->RunFrame();
    SetEventHook(nullptr);
    EXPECT_EQ(seen, (std::vector<Uint32>{SDL_KEYDOWN}));
}

TEST_F(EventTranslationTest, OtherEventTypesAreWrittenAsTheirNumber)
{
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    testing::internal::CaptureStdout();
    TranslateEvent(event);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::to_string(SDL_USEREVENT) + "\n");
}
} // namespace
} // namespace Orvex::Testing
