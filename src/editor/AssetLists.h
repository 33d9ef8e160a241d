#pragma once
// The names the editor's pickers offer: the files of each asset folder without
// their extension, the levels also as a set, and every registered component type.

#include <set>
#include <string>
#include <vector>

namespace Orvex
{
// The files below a category's folder that end in its extension (or in extra,
// when given), without it, sorted. Throws ListFolder's error for a missing folder.
std::vector<std::string> ListAssets(const std::string& category, const std::string& extra = "");

struct AssetLists
{
    // Lists every folder again. The editor's scratch level is no level to offer.
    void Refresh();

    std::vector<std::string> archetypes;
    std::vector<std::string> levels;
    std::set<std::string> levelSet;
    std::vector<std::string> textures;
    std::vector<std::string> sounds;
    std::vector<std::string> meshes;
    std::vector<std::string> fonts;
    std::vector<std::string> components; // registered component types, in byte order
};
} // namespace Orvex
