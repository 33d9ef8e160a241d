#pragma once
// The one window and its OpenGL context, and the window-size state everyone reads
// (the aspect ratio above all). Only this module and the event translation talk
// to SDL's video side.

#include <string>

struct SDL_Window;

namespace Orvex
{
namespace Window
{
constexpr int MinWidth = 640;
constexpr int MinHeight = 480;

// Settings of "./config/window_config.ini", section "Window".
struct Settings
{
    int width = 1280;
    int height = 720;
    bool fullscreen = false;
    bool vsync = false; // inverted start value of the frame limiter and vsync
};
// Throws "Window" + " not found in deserializer." without the section, and names
// the key and the file when "Width" or "Height" is not a whole decimal number.
Settings ReadSettings(const std::string& path);
// The data tree's settings, "./config/window_config.ini".
Settings DefaultSettings();

// The window set-up: settings, GL attributes (3.3 compatibility, stencil 8,
// double buffer, depth 24), the window, the limiter and vsync, fullscreen.
void InitWindow();
void InitWindow(const Settings& settings);
// Replaces any existing window. Throws when the window or its GL context cannot
// be made (no display, no OpenGL 3.3).
void CreateWindow(const std::string& title, int x, int y, int width, int height);
// Windowed only (also without a window, for headless runs): clamps to the minimum size, resizes, sends MSG_WINDOW_RESIZED,
// sets the viewport and the aspect ratio.
void ResizeWindow(int width, int height);
void ToggleFullscreen();
// Windowed only: the window centred on its display with the new size. Moved
// before it grows, so that no edge crosses the screen's on the way.
void ResizeCentred(int width, int height);
// Deletes the context and the window.
void DestroyWindow();

void SetSwapInterval(bool vsync);
void SwapBuffers();
void SetCursorVisible(bool visible);

SDL_Window* Handle();
bool Exists();
int Width();
int Height();
float Aspect(); // width / height
bool Fullscreen();
struct Size
{
    int width;
    int height;
};
// The size the window has when windowed: its own, or the one fullscreen returns to.
Size WindowedSize();
bool CursorVisible();
bool VSync();
} // namespace Window
} // namespace Orvex
