#pragma once
// One ImGui widget for a reflected field, chosen by the field's value type: a
// slider re-centred on the value for floats, drag fields for vectors and colour
// rates, a colour editor for colours, integer inputs (unsigned ones never below
// 0), check boxes, one-line text of at most 63 characters, and combo boxes over
// the asset lists for meshes, sounds, textures and fonts.

#include <string>

namespace Orvex
{
struct AssetLists;
struct FieldInfo;

// Characters a string field holds, with its terminator.
constexpr std::size_t StringFieldSize = 64;

// Draws the widget labelled with the field's name for the value at value, and
// writes what the designer does into it. True when the value changed. A
// resource that cannot be loaded leaves the value and says why in problem.
bool FieldWidget(const FieldInfo& field, void* value, const AssetLists& lists,
                 std::string& problem);

// An integer widget's value for an unsigned field: never below 0.
unsigned UnsignedFromWidget(int shown);
} // namespace Orvex
