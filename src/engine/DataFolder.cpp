#include "engine/DataFolder.h"

#include <filesystem>

namespace Orvex
{
std::string FindDataFolder(const std::string& executableFolder, const std::string& installedData)
{
    namespace fs = std::filesystem;
    const fs::path installed = fs::path(executableFolder) / installedData;
    std::error_code error;
    if (!fs::exists(fs::path(executableFolder) / "config/core_config.ini", error) &&
        fs::exists(installed / "config/core_config.ini", error))
        return installed.lexically_normal().string();
    return executableFolder;
}
} // namespace Orvex
