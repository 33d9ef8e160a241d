#include "editor/AssetLists.h"

#include "data/Deserializer.h"
#include "editor/LevelEditor.h"
#include "engine/AssetPaths.h"
#include "object/TypeRegistry.h"

#include <algorithm>

namespace Orvex
{
namespace
{
bool EndsWith(const std::string& text, const std::string& end)
{
    return !end.empty() && text.size() > end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> RegisteredComponents()
{
    std::vector<std::string> names;
    for (const std::string& name : TypeRegistry::Names(MetaKind::Component))
        if (TypeRegistry::FindComponent(name))
            names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

std::vector<std::string> ListAssets(const std::string& category, const std::string& extra)
{
    const std::string extension = AssetExtension(category);
    std::vector<std::string> names;
    for (const std::string& file : ListFolder(AssetFolder(category)))
        for (const std::string& end : {extension, extra})
            if (EndsWith(file, end))
            {
                names.push_back(file.substr(0, file.size() - end.size()));
                break;
            }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void AssetLists::Refresh()
{
    archetypes = ListAssets("Archetypes");
    levels = ListAssets("Levels");
    levels.erase(std::remove(levels.begin(), levels.end(), LevelEditor::testLevel), levels.end());
    levelSet = std::set<std::string>(levels.begin(), levels.end());
    textures = ListAssets("Textures", ".jpg");
    sounds = ListAssets("Sounds");
    meshes = ListAssets("Meshes");
    fonts = ListAssets("Fonts");
    if (components.empty())
        components = RegisteredComponents();
}
} // namespace Orvex
