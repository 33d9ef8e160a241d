#pragma once
// The folders of the player's own files, after the desktop's base-directory
// rules: $XDG_CONFIG_HOME/tumbowuffin for settings and $XDG_DATA_HOME/tumbowuffin
// for what play produces, each falling back to its place under $HOME when the
// variable is unset, empty or not an absolute path.

#include <string>

namespace Orvex
{
// Empty when neither the variable nor HOME gives an absolute folder.
std::string ConfigFolder();
std::string DataFolder();
} // namespace Orvex
