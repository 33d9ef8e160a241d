#pragma once
// A combo box over a list of names, as every picker of the editor has one. The
// open list starts with a filter field that has the keyboard: typing narrows the
// names (by part of the name, any case), Enter takes the first that is left,
// Escape closes the list. Drawn inside an ImGui frame.

#include <string>
#include <vector>

namespace Orvex::Ui
{
// current: an index into names, -1 for none chosen, when the box shows
// placeholder. True when the choice changed.
bool NamePicker(const char* label, int* current, const std::vector<std::string>& names,
                const char* placeholder = "");

// The name holds the filter's text, letters in any case; every name holds "".
bool MatchesFilter(const std::string& name, const std::string& filter);
} // namespace Orvex::Ui
