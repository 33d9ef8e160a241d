#include "engine/AssetPaths.h"

#include <memory>
#include <unordered_map>

#include "data/Deserializer.h"

namespace Orvex
{
namespace
{
struct Category
{
    std::string path;
    std::string extension;
};

const Deserializer* config = nullptr;
std::unique_ptr<Deserializer> ownConfig;
std::unordered_map<std::string, Category> categories;

const Category& Lookup(const std::string& name)
{
    auto found = categories.find(name);
    if (found != categories.end())
        return found->second;
    if (!config)
    {
        ownConfig = std::make_unique<Deserializer>("./config/core_config.ini",
                                                   Deserializer::SectionFile);
        config = ownConfig.get();
    }
    const Deserializer& section = config->GetChild(name);
    return categories[name] = Category{section.GetString("PATH"), section.GetString("EXT")};
}
} // namespace

std::string AssetPath(const std::string& category, const std::string& name)
{
    const Category& found = Lookup(category);
    return found.path + name + found.extension;
}

std::string AssetFolder(const std::string& category) { return Lookup(category).path; }

std::string AssetExtension(const std::string& category) { return Lookup(category).extension; }

void SetAssetConfig(const Deserializer* coreConfig)
{
    config = coreConfig;
    if (coreConfig != ownConfig.get())
        ownConfig.reset();
    categories.clear();
}
} // namespace Orvex
