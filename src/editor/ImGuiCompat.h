#pragma once
// The few interface calls whose form differs from the one the editor is written
// against: windows with a first size and a background alpha, keys by name, and
// focus of a window with its children.

#include <imgui.h>

namespace Orvex::Ui
{
// Begin with the size the window gets the first time it shows and its
// background alpha. End must follow whatever it returns.
inline bool BeginWindow(const char* name, bool* open, ImVec2 firstSize, float alpha,
                        ImGuiWindowFlags flags)
{
    ImGui::SetNextWindowSize(firstSize, ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowBgAlpha(alpha);
    return ImGui::Begin(name, open, flags);
}

// Newly pressed: a key held does not repeat its answer.
inline bool KeyPressed(ImGuiKey key)
{
    return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), false);
}

// The current window or one of its children has the keyboard.
inline bool WindowFocused()
{
    return ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows);
}
} // namespace Orvex::Ui
