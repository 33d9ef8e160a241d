#pragma once
// The folders of the player's own files, after the desktop's base-directory
// rules: $XDG_CONFIG_HOME/tumbowuffin for settings and $XDG_DATA_HOME/tumbowuffin
// for what play produces, each falling back to its place under $HOME when the
// variable is unset, empty or not an absolute path.

#include <string>

namespace Orvex
{
// Both are empty until the process entry turns them on, so that tests and
// tools never touch the player's files, and when neither the variable nor HOME
// gives an absolute folder.
void UseUserFolders(bool use);
std::string ConfigFolder();
std::string DataFolder();
} // namespace Orvex
