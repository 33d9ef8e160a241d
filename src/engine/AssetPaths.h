#pragma once
// Where data files live: PATH + name + EXT of the file's category ("Levels",
// "Archetypes", "Textures", "Fonts", "Meshes", "Shaders", "Sounds") in the core
// configuration. Each category is looked up once and then kept.

#include <string>

namespace Orvex
{
class Deserializer;

// Path of a data file of a category. Throws category + " not found in
// deserializer." when the configuration has no such section.
std::string AssetPath(const std::string& category, const std::string& name);
// The folder prefix alone (the "PATH" value).
std::string AssetFolder(const std::string& category);
// The file-name extension alone (the "EXT" value).
std::string AssetExtension(const std::string& category);

// The configuration to read from. The engine passes its own; without one the
// file "./config/core_config.ini" is read on first use. Clears the kept entries.
void SetAssetConfig(const Deserializer* coreConfig);
} // namespace Orvex
