#pragma once
// The images and sounds a level's load will look up by name, found from the
// level and archetype files alone, so that they can be decoded before the load.

#include <string>
#include <vector>

namespace Orvex
{
struct LevelAssetNames
{
    std::vector<std::string> textures; // as GetTexture takes them
    std::vector<std::string> sounds;   // as cSound::SetName takes them
};

// The names the level's texture and sound fields hold, each once, in the order
// its load reads them: entries that are built from their archetype give the
// archetype file's, the others their own. Names a component computes (animation
// frames) are not listed. Builds and loads nothing; throws what reading the
// files throws.
LevelAssetNames ListLevelAssets(const std::string& levelName);
} // namespace Orvex
