#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include <SDL.h>

#include "TestEngine.h"
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
    const Window::Settings settings = Window::ReadSettings(settingsPath);
    std::remove(settingsPath);
    return settings;
}

std::string SettingsErrorOf(const std::string& text)
{
    try
    {
        SettingsOf(text);
    }
    catch (const std::string& error)
    {
        std::remove(settingsPath);
        return error;
    }
    return "";
}

TEST(WindowSettings, AnEmptySectionGivesTheDefaults)
{
    const Window::Settings settings = SettingsOf("[Window]\n");
    EXPECT_EQ(settings.width, 1280);
    EXPECT_EQ(settings.height, 720);
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_FALSE(settings.vsync);
}

TEST(WindowSettings, EmptyValuesCountAsAbsent)
{
    const Window::Settings settings = SettingsOf("[Window]\nWidth=\nHeight=\nVSync=\n");
    EXPECT_EQ(settings.width, 1280);
    EXPECT_EQ(settings.height, 720);
    EXPECT_FALSE(settings.vsync);
}

TEST(WindowSettings, KeysAreReadAsDecimalAndBools)
{
    const Window::Settings settings =
        SettingsOf("[Window]\nWidth=800\nHeight=0600\nFullscreen=1\nVSync=true\n");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 600);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_TRUE(settings.vsync);
    EXPECT_FALSE(SettingsOf("[Window]\nVSync=false\n").vsync);
    EXPECT_FALSE(SettingsOf("[Window]\nVSync=0\n").vsync);
    EXPECT_TRUE(SettingsOf("[Window]\nVSync=yes\n").vsync);
}

TEST(WindowSettings, ASizeThatIsNoWholeNumberNamesTheKeyAndTheFile)
{
    const std::string file = "Error in a file: ./__spine_window_config.ini: Window, key ";
    EXPECT_EQ(SettingsErrorOf("[Window]\nWidth=wide\n"), file + "Width: 'wide' is not a whole number");
    EXPECT_EQ(SettingsErrorOf("[Window]\nHeight=720px\n"), file + "Height: '720px' is not a whole number");
    EXPECT_EQ(SettingsErrorOf("[Window]\nHeight=99999999999999\n"),
              file + "Height: '99999999999999' is not a whole number");
}

TEST(WindowSettings, AMissingSectionOrFileFails)
{
    EXPECT_EQ(SettingsErrorOf("[Display]\nWidth=5\n"), "Window not found in deserializer.");
    try
    {
        Window::ReadSettings("./__spine_absent.ini");
        FAIL() << "a missing file was read";
    }
    catch (const std::string& error)
    {
        EXPECT_EQ(error.rfind("Could not find file: ", 0), 0u) << error;
    }
}

TEST(WindowSettings, TheShippedFileStartsWindowedWithTheLimiterOn)
{
    const Window::Settings settings = Window::ReadSettings("./config/window_config.ini");
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_FALSE(settings.vsync); // inverted: the limiter and vsync start on
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

TEST(WindowWithoutDisplay, AWindowWithoutOpenGLGivesAClearError)
{
    // An earlier test of this process may still hold video on X; the hint takes only
    // when video starts afresh.
    while (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    try
    {
        Window::CreateWindow("TumboWuffin", 0, 0, 800, 600);
        FAIL() << "a GL window was made by a driver without OpenGL";
    }
    catch (const std::string& error)
    {
        EXPECT_EQ(error.rfind("Could not open the window: ", 0), 0u) << error;
    }
    EXPECT_FALSE(Window::Exists());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(WindowWithoutDisplay, ToggleAndSwapDoNothingWithoutAWindow)
{
    ASSERT_FALSE(Window::Exists());
    Window::ToggleFullscreen();
    EXPECT_FALSE(Window::Fullscreen());
    Window::SwapBuffers();
}
} // namespace
} // namespace Orvex::Testing
