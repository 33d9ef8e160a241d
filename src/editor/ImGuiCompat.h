#pragma once
// The few interface calls whose form differs from the one the editor is written
// against: windows with a first size and a background alpha, keys by name, combo
// boxes over lists of names (with a placeholder while none is chosen), and focus
// of a window with its children.

#include <string>
#include <vector>

#include <imgui.h>

namespace Orvex::Ui
{
// Begin with the size the window gets the first time it shows and its
// background alpha. End must follow whatever it returns.
inline bool BeginWindow(const char* name, bool* open, ImVec2 firstSize, float alpha, ImGuiWindowFlags flags)
{
    ImGui::SetNextWindowSize(firstSize, ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowBgAlpha(alpha);
    return ImGui::Begin(name, open, flags);
}

inline bool KeyPressed(ImGuiKey key) { return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key)); }

// The current window or one of its children has the keyboard.
inline bool WindowFocused() { return ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows); }

// A combo box over names; current is an index, -1 for none chosen, when the box
// shows placeholder. True when the choice changed.
inline bool Combo(const char* label, int* current, const std::vector<std::string>& names,
                  const char* placeholder = "")
{
    const bool valid = *current >= 0 && static_cast<std::size_t>(*current) < names.size();
    bool changed = false;
    if (!ImGui::BeginCombo(label, valid ? names[static_cast<std::size_t>(*current)].c_str() : placeholder))
        return false;
    for (int i = 0; i < static_cast<int>(names.size()); ++i)
    {
        const bool chosen = i == *current;
        if (ImGui::Selectable(names[static_cast<std::size_t>(i)].c_str(), chosen) && !chosen)
        {
            *current = i;
            changed = true;
        }
        if (chosen)
            ImGui::SetItemDefaultFocus();
    }
    ImGui::EndCombo();
    return changed;
}

} // namespace Orvex::Ui
