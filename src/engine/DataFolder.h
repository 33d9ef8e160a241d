#pragma once
// Where the data tree is: beside the executable in a build, or in the install
// prefix's share folder once installed (bin/tumbowuffin and
// share/tumbowuffin/config/...).

#include <string>

namespace Orvex
{
// The first of the executable's folder and that folder + installedData which
// holds "config/core_config.ini"; the executable's folder when neither does.
std::string FindDataFolder(const std::string& executableFolder, const std::string& installedData);
} // namespace Orvex
