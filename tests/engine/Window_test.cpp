#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include <SDL.h>

#include "TestEngine.h"
#include "support/ErrorOf.h"
#include "engine/Window.h"

namespace Orvex::Testing
{
namespace
{
const char* const settingsPath = "./__spine_window_config.ini";

// The settings read from a file holding text.
Window::Settings SettingsOf(const std::string& text)
{
    {
        std::ofstream file(settingsPath);
        file << text;
    }
    struct Remove
    {
        ~Remove() { std::remove(settingsPath); }
    } remove;
    return Window::ReadSettings(settingsPath);
}

TEST(WindowSettings, AbsentOrEmptyKeysGiveTheDefaultsAndGivenOnesAreReadAsDecimalAndBools)
{
    struct Case
    {
        const char* text;
        int width, height;
        bool fullscreen, vsync;
    };
    const Case cases[] = {
        {"[Window]\n", 1280, 720, false, false},
        {"[Window]\nWidth=\nHeight=\nVSync=\n", 1280, 720, false, false},
        {"[Window]\nWidth=800\nHeight=0600\nFullscreen=1\nVSync=true\n", 800, 600, true, true},
        {"[Window]\nVSync=false\n", 1280, 720, false, false},
        {"[Window]\nVSync=0\n", 1280, 720, false, false},
        {"[Window]\nVSync=yes\n", 1280, 720, false, true},
    };
    for (const Case& c : cases)
    {
        const Window::Settings settings = SettingsOf(c.text);
        EXPECT_EQ(settings.width, c.width) << c.text;
        EXPECT_EQ(settings.height, c.height) << c.text;
        EXPECT_EQ(settings.fullscreen, c.fullscreen) << c.text;
        EXPECT_EQ(settings.vsync, c.vsync) << c.text;
    }
    // The shipped file starts windowed; "VSync" is inverted: the limiter and vsync start on.
    const Window::Settings shipped = Window::ReadSettings("./config/window_config.ini");
    EXPECT_FALSE(shipped.fullscreen);
    EXPECT_FALSE(shipped.vsync);
}

TEST(WindowSettings, ASizeThatIsNoWholeNumberOrAMissingSectionOrFileFails)
{
    const std::string file = "Error in a file: ./__spine_window_config.ini: Window, key ";
    const std::pair<const char*, std::string> cases[] = {
        {"[Window]\nWidth=wide\n", file + "Width: 'wide' is not a whole number"},
        {"[Window]\nHeight=720px\n", file + "Height: '720px' is not a whole number"},
        {"[Window]\nHeight=99999999999999\n", file + "Height: '99999999999999' is not a whole number"},
        {"[Display]\nWidth=5\n", "Window not found in deserializer."},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ErrorOf([&text = text] { SettingsOf(text); }), error);
    EXPECT_EQ(ErrorOf([] { Window::ReadSettings("./__spine_absent.ini"); }).rfind("Could not find file: ", 0), 0u);
}

TEST_F(EngineTest, ResizeClampsToTheMinimumAndTellsTheListeners)
{
    TraceState* state = Start("state");
    EarComponent* ear = AddEar(*state, "ear", MSG_WINDOW_RESIZED);
    Window::ResizeWindow(300, 200);
    EXPECT_EQ(Window::Width(), 640);
    EXPECT_EQ(Window::Height(), 480);
    EXPECT_FLOAT_EQ(Window::Aspect(), 640.0f / 480.0f);
    state->Messages()->DeliverAll();
    ASSERT_EQ(ear->heard.size(), 1u);
    EXPECT_EQ(ear->heard[0].As<SizeMessage>().x, 640);
    EXPECT_EQ(ear->heard[0].As<SizeMessage>().y, 480);
    Window::ResizeWindow(1920, 1080);
    EXPECT_FLOAT_EQ(Window::Aspect(), 1920.0f / 1080.0f);
}

TEST(WindowWithoutDisplay, AWindowWithoutOpenGLGivesAClearErrorAndToggleDoesNothingThen)
{
    // An earlier test of this process may still hold a window and video on X; the
    // window goes while its driver is there, and the hint takes only when video
    // starts afresh.
    Window::DestroyWindow();
    while (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    const std::string error = ErrorOf([] { Window::CreateWindow("TumboWuffin", 0, 0, 800, 600); });
    EXPECT_EQ(error.rfind("Could not open the window: ", 0), 0u) << error;
    EXPECT_FALSE(Window::Exists());
    Window::ToggleFullscreen();
    EXPECT_FALSE(Window::Fullscreen());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
} // namespace
} // namespace Orvex::Testing
