#include "editor/NamePicker.h"

#include "editor/ImGuiCompat.h"

#include <algorithm>
#include <cctype>
#include <imgui.h>

namespace Orvex::Ui
{
namespace
{
constexpr std::size_t FilterSize = 64;

// One list is open at a time, so one filter serves them all.
char filter[FilterSize] = {};

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool Chosen(int current, const std::vector<std::string>& names)
{
    return current >= 0 && static_cast<std::size_t>(current) < names.size();
}
} // namespace

bool MatchesFilter(const std::string& name, const std::string& part)
{
    return std::search(name.begin(), name.end(), part.begin(), part.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != name.end();
}

bool NamePicker(const char* label, int* current, const std::vector<std::string>& names,
                const char* placeholder)
{
    const char* shown =
        Chosen(*current, names) ? names[static_cast<std::size_t>(*current)].c_str() : placeholder;
    if (!ImGui::BeginCombo(label, shown, ImGuiComboFlags_HeightLarge))
        return false;
    if (ImGui::IsWindowAppearing())
    {
        filter[0] = '\0';
        ImGui::SetKeyboardFocusHere();
    }
    ImGui::SetNextItemWidth(-1.0f);
    const bool entered = ImGui::InputTextWithHint("##filter", "type to narrow", filter, FilterSize,
                                                  ImGuiInputTextFlags_EnterReturnsTrue);
    int picked = -1;
    int first = -1;
    for (int i = 0; i < static_cast<int>(names.size()); ++i)
    {
        const std::string& name = names[static_cast<std::size_t>(i)];
        if (!MatchesFilter(name, filter))
            continue;
        if (first < 0)
            first = i;
        if (ImGui::Selectable(name.c_str(), i == *current))
            picked = i;
        if (i == *current && ImGui::IsWindowAppearing())
            ImGui::SetScrollHereY();
    }
    if (entered && first >= 0)
    {
        picked = first;
        ImGui::CloseCurrentPopup();
    }
    if (KeyPressed(ImGuiKey_Escape))
        ImGui::CloseCurrentPopup();
    ImGui::EndCombo();
    if (picked < 0 || picked == *current)
        return false;
    *current = picked;
    return true;
}
} // namespace Orvex::Ui
