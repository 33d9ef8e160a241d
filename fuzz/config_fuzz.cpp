// Arbitrary bytes as either configuration file, read by the readers start-up
// uses: the window settings, every asset category's path and the debug switch.
// Errors thrown as strings are fine answers; anything else escaping is not.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "data/Deserializer.h"
#include "engine/AssetPaths.h"
#include "engine/Window.h"

namespace
{
std::string path;

void ReadWindowSettings(const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    try
    {
        Orvex::Window::ReadSettings(path);
    }
    catch (const std::string&)
    {
    }
}

void ReadCoreConfig(const std::string& text)
{
    std::istringstream in(text);
    try
    {
        const Orvex::Deserializer config(in, "fuzz core config", Orvex::Deserializer::SectionFile);
        Orvex::SetAssetConfig(&config);
        for (const char* category :
             {"Archetypes", "Levels", "Sounds", "Textures", "Fonts", "Meshes", "Shaders"})
        {
            try
            {
                Orvex::AssetPath(category, "name");
                Orvex::AssetFolder(category);
            }
            catch (const std::string&)
            {
            }
        }
        bool debugDraw = false;
        config.GetChild("Debug").GetBool("DebugDraw", debugDraw);
    }
    catch (const std::string&)
    {
    }
    Orvex::SetAssetConfig(nullptr);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    path = "/tmp/fuzz_config_" + std::to_string(getpid()) + ".ini";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadWindowSettings(text);
    ReadCoreConfig(text);
    return 0;
}
