#include "editor/FieldWidgets.h"

#include "audio/cSound.h"
#include "editor/AssetLists.h"
#include "editor/LevelEditor.h"
#include "editor/NamePicker.h"
#include "graphics/Fonts.h"
#include "graphics/Mesh.h"
#include "graphics/ResourceTraits.h"
#include "graphics/Textures.h"
#include "graphics/cColorChanger.h"
#include "object/FieldInfo.h"
#include "object/MetaPod.h"

#include <SDL_ttf.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <imgui.h>

namespace Orvex
{
namespace
{
constexpr float DragSpeed = 0.0125f; // value per pixel
constexpr float SliderReach = 0.05f; // the float slider's range on either side of the value

template <class T> bool Is(const FieldInfo& field)
{
    return field.type == &META_POD<T>::Get();
}

// A typed number that is no number, or none the level format writes back, is
// not taken.
bool Finite(const float* values, int count)
{
    return std::all_of(values, values + count, [](float v) { return std::isfinite(v); });
}

template <class Edit> bool Floats(float* values, int count, Edit edit)
{
    float kept[4];
    std::copy(values, values + count, kept);
    if (!edit())
        return false;
    if (Finite(values, count))
        return true;
    std::copy(kept, kept + count, values);
    return false;
}

bool FloatWidget(const char* label, float& value)
{
    const float low = value - SliderReach;
    const float high = value + SliderReach;
    return Floats(&value, 1, [&] { return ImGui::SliderFloat(label, &value, low, high, "%.3f"); });
}

bool IntWidget(const char* label, int& value)
{
    return ImGui::InputInt(label, &value, 1, 100);
}

bool UnsignedWidget(const char* label, unsigned& value)
{
    int shown = static_cast<int>(std::min<unsigned>(value, INT_MAX));
    if (!IntWidget(label, shown))
        return false;
    value = UnsignedFromWidget(shown);
    return true;
}

bool StringWidget(const char* label, std::string& value)
{
    char buffer[StringFieldSize];
    CopyBounded(buffer, value);
    if (!ImGui::InputText(label, buffer, sizeof buffer))
        return false;
    value = buffer;
    return true;
}

// A combo over names preset to current (no entry when it is not listed);
// choosing an entry calls assign with its name.
template <class Assign>
bool ResourceWidget(const char* label, const std::vector<std::string>& names,
                    const std::string& current, std::string& problem, Assign assign)
{
    const auto found = std::find(names.begin(), names.end(), current);
    int choice = found == names.end() ? -1 : static_cast<int>(found - names.begin());
    if (!Ui::NamePicker(label, &choice, names) || choice < 0)
        return false;
    try
    {
        assign(names[static_cast<std::size_t>(choice)]);
        return true;
    }
    catch (const std::string& error)
    {
        problem = error;
        return false;
    }
}
} // namespace

unsigned UnsignedFromWidget(int shown)
{
    return shown < 0 ? 0u : static_cast<unsigned>(shown);
}

bool FieldWidget(const FieldInfo& field, void* value, const AssetLists& lists, std::string& problem)
{
    const char* label = field.name.c_str();
    if (Is<float>(field))
        return FloatWidget(label, *static_cast<float*>(value));
    if (Is<tvec2>(field))
    {
        float* v = &static_cast<tvec2*>(value)->x;
        return Floats(v, 2,
                      [&] { return ImGui::DragFloat2(label, v, DragSpeed, 0.0f, 0.0f, "%.3f"); });
    }
    if (Is<tvec4>(field))
    {
        float* v = &static_cast<tvec4*>(value)->x;
        return Floats(v, 4,
                      [&] { return ImGui::ColorEdit4(label, v, ImGuiColorEditFlags_AlphaBar); });
    }
    if (Is<cColorChanger>(field))
    {
        float* v = &static_cast<cColorChanger*>(value)->r;
        return Floats(v, 4,
                      [&] { return ImGui::DragFloat4(label, v, DragSpeed, 0.0f, 0.0f, "%.3f"); });
    }
    if (Is<int>(field))
        return IntWidget(label, *static_cast<int*>(value));
    if (Is<unsigned>(field))
        return UnsignedWidget(label, *static_cast<unsigned*>(value));
    if (Is<bool>(field))
        return ImGui::Checkbox(label, static_cast<bool*>(value));
    if (Is<std::string>(field))
        return StringWidget(label, *static_cast<std::string*>(value));
    if (Is<cMesh*>(field))
    {
        auto& mesh = *static_cast<cMesh**>(value);
        return ResourceWidget(label, lists.meshes, MeshName(mesh), problem,
                              [&](const std::string& name) { mesh = GetMesh(name); });
    }
    if (Is<cSound>(field))
    {
        auto& sound = *static_cast<cSound*>(value);
        return ResourceWidget(label, lists.sounds, sound.name, problem,
                              [&](const std::string& name) { sound.SetName(name); });
    }
    if (Is<cTexture*>(field))
    {
        auto& texture = *static_cast<cTexture**>(value);
        return ResourceWidget(label, lists.textures, TextureName(texture), problem,
                              [&](const std::string& name) { texture = GetTexture(name); });
    }
    if (Is<TTF_Font*>(field))
    {
        auto& font = *static_cast<TTF_Font**>(value);
        return ResourceWidget(label, lists.fonts, FontName(font), problem,
                              [&](const std::string& name) { font = GetFont(name); });
    }
    ImGui::TextDisabled("%s: no widget for its type", label);
    return false;
}
} // namespace Orvex
