#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/TestEngine.h"
#include "engine/Window.h"

namespace Orvex::Testing
{
namespace
{
// A key went down only in its first frame and is held until released; a tap
// within one slow frame still went down in it; a repeat is no second press;
// scancodes outside the key set are ignored.
TEST_F(EngineTest, AKeyWentDownOnlyInItsFirstFrameAndIsHeldUntilReleased)
{
    TraceState* state = Start("state");
    EarComponent* downs = AddEar(*state, "downs", MSG_KEYDOWN);
    Input::KeyDown(SDL_SCANCODE_A);
    EXPECT_TRUE(Input::KeyWentDown(SDL_SCANCODE_A));
    Input::Roll();
    EXPECT_FALSE(Input::KeyWentDown(SDL_SCANCODE_A));
    EXPECT_TRUE(Input::KeyHeld(SDL_SCANCODE_A));
    Input::KeyDown(SDL_SCANCODE_A); // a repeat is no second press
    EXPECT_FALSE(Input::KeyWentDown(SDL_SCANCODE_A));
    Input::KeyUp(SDL_SCANCODE_A);
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_A));
    Input::Roll();
    Input::KeyDown(SDL_SCANCODE_A);
    Input::KeyUp(SDL_SCANCODE_A);
    EXPECT_TRUE(Input::KeyWentDown(SDL_SCANCODE_A));
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_A));
    Input::Roll();
    EXPECT_FALSE(Input::KeyWentDown(SDL_SCANCODE_A));
    Input::KeyDown(Input::KeyCount);
    Input::KeyDown(100000);
    EXPECT_FALSE(Input::KeyHeld(Input::KeyCount));
    EXPECT_FALSE(Input::KeyWentDown(100000));
    state->Messages()->DeliverAll();
    ASSERT_EQ(downs->heard.size(), 3u);
    EXPECT_EQ(downs->heard[0].As<KeyMessage>().scancode, static_cast<unsigned>(SDL_SCANCODE_A));
}

// Presses and the left release compare with the previous frame; the device
// position maps the window onto -1 to 1.
TEST_F(EngineTest, ButtonPressAndLeftReleaseCompareWithThePreviousFrame)
{
    Input::Current().mouseButtons.set(Input::MouseLeft);
    EXPECT_TRUE(Input::MouseButtonPressed(Input::MouseLeft));
    EXPECT_FALSE(Input::MouseButtonPressed(Input::MouseRight));
    Input::Roll();
    EXPECT_FALSE(Input::MouseButtonPressed(Input::MouseLeft));
    EXPECT_TRUE(Input::MouseButtonHeld(Input::MouseLeft));
    EXPECT_FALSE(Input::LeftButtonReleased());
    Input::Current().mouseButtons.reset(Input::MouseLeft);
    EXPECT_TRUE(Input::LeftButtonReleased());
    Input::Roll();
    EXPECT_FALSE(Input::LeftButtonReleased());
    EXPECT_FALSE(Input::MouseButtonHeld(7));
    Window::ResizeWindow(800, 600);
    EXPECT_EQ(Input::MouseDevicePosition(), tvec2(-1.0f, 1.0f));
    Input::Current().mouseX = 400;
    Input::Current().mouseY = 450;
    EXPECT_EQ(Input::MouseDevicePosition(), tvec2(0.0f, -0.5f));
}
} // namespace
} // namespace Orvex::Testing
