#include "engine/Window.h"

#include <GL/glew.h>
#include <SDL.h>

#include "data/DataError.h"
#include "data/Deserializer.h"
#include "engine/Engine.h"

namespace Orvex
{
namespace Window
{
namespace
{
struct WindowState
{
    SDL_Window* window = nullptr;
    SDL_GLContext glContext = nullptr;
    int width = 0;
    int height = 0;
    int windowedWidth = 0; // remembered on entering fullscreen
    int windowedHeight = 0;
    float aspect = 0.0f;
    bool cursorVisible = true;
    bool fullscreen = false;
    bool vsync = false; // mirror of the engine's frame limiter
} state;

const char* const configPath = "./config/window_config.ini";

// The whole text must be the number: "720px" is refused, not read as 720.
int ReadSize(const Deserializer& section, const std::string& key, int fallback, const DataPlace& place)
{
    if (!section.HasKey(key))
        return fallback;
    const std::string& text = section.GetString(key);
    std::size_t used = 0;
    int value = 0;
    try
    {
        value = std::stoi(text, &used, 10);
    }
    catch (const std::exception&)
    {
        used = 0;
    }
    if (used == 0 || used != text.size())
        place.Fail(key, Text::Quoted(text) + " is not a whole number");
    return value;
}

void ClampToMinimum(int& width, int& height)
{
    width = width < MinWidth ? MinWidth : width;
    height = height < MinHeight ? MinHeight : height;
}

void SetSize(int width, int height)
{
    state.width = width;
    state.height = height;
    state.aspect = static_cast<float>(width) / static_cast<float>(height);
}
} // namespace

Settings ReadSettings(const std::string& path)
{
    const Deserializer file(path, Deserializer::SectionFile);
    const Deserializer& section = file.GetChild("Window");
    Settings settings;
    const DataPlace place{path, "Window"};
    settings.width = ReadSize(section, "Width", settings.width, place);
    settings.height = ReadSize(section, "Height", settings.height, place);
    section.GetBool("Fullscreen", settings.fullscreen);
    section.GetBool("VSync", settings.vsync);
    return settings;
}

Settings DefaultSettings() { return ReadSettings(configPath); }

void InitWindow() { InitWindow(DefaultSettings()); }

void InitWindow(const Settings& settings)
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    CreateWindow("TumboWuffin", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, settings.width,
                 settings.height);
    // "VSync" names the opposite of what it starts: absent or false starts with
    // vsync and the limiter on.
    Engine::Get()->SetFrameLimiter(!settings.vsync);
    if (settings.fullscreen != state.fullscreen)
        ToggleFullscreen();
}

void CreateWindow(const std::string& title, int x, int y, int width, int height)
{
    DestroyWindow();
    state.window = SDL_CreateWindow(title.c_str(), x, y, width, height,
                                    SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (!state.window)
        throw std::string("Could not open the window: ") + SDL_GetError();
    SDL_SetWindowMinimumSize(state.window, MinWidth, MinHeight);
    // The first state is made before SDL starts, so its cursor choice is applied here.
    SetCursorVisible(state.cursorVisible);
    state.glContext = SDL_GL_CreateContext(state.window);
    if (!state.glContext)
    {
        const std::string reason = SDL_GetError();
        DestroyWindow();
        throw "Could not create an OpenGL 3.3 context: " + reason;
    }
    state.fullscreen = false;
    ResizeWindow(width, height);
}

void ResizeWindow(int width, int height)
{
    if (state.fullscreen)
        return;
    ClampToMinimum(width, height);
    if (state.window)
        SDL_SetWindowSize(state.window, width, height);
    SetSize(width, height);
    if (Engine* engine = Engine::Get())
        engine->Send(MSG_WINDOW_RESIZED, SizeMessage{width, height});
    if (state.glContext)
        glViewport(0, 0, width, height);
}

void ToggleFullscreen()
{
    if (!state.window)
        return;
    if (state.fullscreen)
    {
        state.fullscreen = false;
        SDL_SetWindowFullscreen(state.window, 0);
        ResizeWindow(state.windowedWidth, state.windowedHeight);
        return;
    }
    SDL_Rect bounds{0, 0, state.width, state.height};
    SDL_GetDisplayBounds(0, &bounds);
    state.windowedWidth = state.width;
    state.windowedHeight = state.height;
    ResizeWindow(bounds.w, bounds.h);
    SDL_SetWindowFullscreen(state.window, SDL_WINDOW_FULLSCREEN);
    state.fullscreen = true;
}

void ResizeCentred(int width, int height)
{
    if (state.fullscreen)
        return;
    ClampToMinimum(width, height);
    if (state.window)
    {
        const int display = SDL_GetWindowDisplayIndex(state.window);
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &bounds) == 0)
            SDL_SetWindowPosition(state.window, bounds.x + (bounds.w - width) / 2,
                                  bounds.y + (bounds.h - height) / 2);
    }
    ResizeWindow(width, height);
}

void DestroyWindow()
{
    if (state.glContext)
        SDL_GL_DeleteContext(state.glContext);
    if (state.window)
        SDL_DestroyWindow(state.window);
    state.glContext = nullptr;
    state.window = nullptr;
}

void SetSwapInterval(bool vsync)
{
    state.vsync = vsync;
    if (state.glContext)
        SDL_GL_SetSwapInterval(vsync ? 1 : 0);
}

void SwapBuffers()
{
    if (state.window)
        SDL_GL_SwapWindow(state.window);
}

void SetCursorVisible(bool visible)
{
    state.cursorVisible = visible;
    // SDL dereferences its video device here; states also run without one (tools, tests).
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

SDL_Window* Handle() { return state.window; }
bool Exists() { return state.window != nullptr; }
int Width() { return state.width; }
int Height() { return state.height; }
float Aspect() { return state.aspect; }
bool Fullscreen() { return state.fullscreen; }
Size WindowedSize()
{
    return state.fullscreen ? Size{state.windowedWidth, state.windowedHeight}
                            : Size{state.width, state.height};
}
bool CursorVisible() { return state.cursorVisible; }
bool VSync() { return state.vsync; }
} // namespace Window
} // namespace Orvex
