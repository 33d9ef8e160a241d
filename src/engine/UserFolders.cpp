#include "engine/UserFolders.h"

#include <cstdlib>

namespace Orvex
{
namespace
{
constexpr const char* gameFolder = "/tumbowuffin";
bool used = false;

std::string AbsoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

std::string UserFolder(const char* variable, const char* underHome)
{
    if (!used)
        return "";
    std::string base = AbsoluteVariable(variable);
    if (base.empty())
    {
        const std::string home = AbsoluteVariable("HOME");
        if (home.empty())
            return "";
        base = home + underHome;
    }
    return base + gameFolder;
}
} // namespace

void UseUserFolders(bool use) { used = use; }

std::string ConfigFolder() { return UserFolder("XDG_CONFIG_HOME", "/.config"); }
std::string DataFolder() { return UserFolder("XDG_DATA_HOME", "/.local/share"); }
} // namespace Orvex
