#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/TestEngine.h"
#include "engine/Window.h"

namespace Orvex::Testing
{
namespace
{
TEST_F(EngineTest, AKeyWentDownOnlyInItsFirstFrameAndIsHeldUntilReleased)
{
    Input::KeyDown(SDL_SCANCODE_A);
    EXPECT_TRUE(Input::KeyWentDown(SDL_SCANCODE_A));
    EXPECT_TRUE(Input::KeyHeld(SDL_SCANCODE_A));
    Input::Roll();
    EXPECT_FALSE(Input::KeyWentDown(SDL_SCANCODE_A));
    EXPECT_TRUE(Input::KeyHeld(SDL_SCANCODE_A));
    Input::KeyUp(SDL_SCANCODE_A);
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_A));
    Input::Roll();
    Input::KeyDown(SDL_SCANCODE_A);
    EXPECT_TRUE(Input::KeyWentDown(SDL_SCANCODE_A));
    Input::Roll();
    Input::KeyDown(SDL_SCANCODE_A); // a repeat is no second press
    EXPECT_FALSE(Input::KeyWentDown(SDL_SCANCODE_A));
}

// On a slow frame a quick tap goes down and up between two frames: it still went down.
TEST_F(EngineTest, ATapWithinOneFrameWentDownInThatFrameOnly)
{
    Input::KeyDown(SDL_SCANCODE_ESCAPE);
    Input::KeyUp(SDL_SCANCODE_ESCAPE);
    EXPECT_TRUE(Input::KeyWentDown(SDL_SCANCODE_ESCAPE));
    EXPECT_FALSE(Input::KeyHeld(SDL_SCANCODE_ESCAPE));
    Input::Roll();
    EXPECT_FALSE(Input::KeyWentDown(SDL_SCANCODE_ESCAPE));
}

TEST_F(EngineTest, ScancodesOutsideTheKeySetAreIgnored)
{
    TraceState* state = Start("state");
    EarComponent* downs = AddEar(*state, "downs", MSG_KEYDOWN);
    Input::KeyDown(Input::KeyCount);
    Input::KeyDown(100000);
    EXPECT_FALSE(Input::KeyHeld(Input::KeyCount));
    EXPECT_FALSE(Input::KeyWentDown(100000));
    state->Messages()->DeliverAll();
    EXPECT_TRUE(downs->heard.empty());
}

TEST(Input, ButtonPressAndLeftReleaseCompareWithThePreviousFrame)
{
    Input::Current() = Input::State{};
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
}

TEST_F(EngineTest, MouseDevicePositionMapsTheWindowOntoMinusOneToOne)
{
    Window::ResizeWindow(800, 600);
    Input::Current().mouseX = 0;
    Input::Current().mouseY = 0;
    EXPECT_EQ(Input::MouseDevicePosition(), tvec2(-1.0f, 1.0f));
    Input::Current().mouseX = 400;
    Input::Current().mouseY = 450;
    EXPECT_EQ(Input::MouseDevicePosition(), tvec2(0.0f, -0.5f));
}
} // namespace
} // namespace Orvex::Testing
