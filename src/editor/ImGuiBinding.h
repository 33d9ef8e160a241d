#pragma once
// Dear ImGui on the engine's window, for the level editor: the SDL2 platform and
// OpenGL 2 renderer back ends, our font, no remembered window places.
//
// The window's events reach ImGui through the engine's event translation, and
// only while the owning state is on top: a test run above the editor keeps its
// keys to itself. The back end takes the mouse position only while the window
// has the mouse, and counts a click seen in the events even when it was released
// within the frame. Drawing leaves the OpenGL state as it found it.

#include <vector>

namespace Orvex
{
class IGamestate;

class ImGuiBinding
{
public:
    // Starts ImGui for the owner; without a window (headless runs) it stays off.
    explicit ImGuiBinding(const IGamestate& owner);
    ~ImGuiBinding();
    ImGuiBinding(const ImGuiBinding&) = delete;
    ImGuiBinding& operator=(const ImGuiBinding&) = delete;

    bool Running() const { return running; }
    void NewFrame();
    // Draws the frame and keeps where its windows are.
    void Render();
    // The window pixel lies on a window of the last frame (tooltips aside), or
    // a widget is held: the mouse is the windows'.
    bool Holds(int x, int y) const;
    // Keys and buttons up, as after a time the owner did not see the events.
    void ForgetInput();

private:
    struct Area
    {
        float x0, y0, x1, y1;
    };

    bool running = false;
    std::vector<Area> windows; // of the last frame drawn
    bool widgetHeld = false;
};
} // namespace Orvex
