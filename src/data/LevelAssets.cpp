#include "data/LevelAssets.h"

#include <unordered_set>

#include "audio/cSound.h"
#include "data/DataError.h"
#include "data/Deserializer.h"
#include "data/Level.h"
#include "engine/AssetPaths.h"
#include "graphics/ResourceTraits.h"
#include "object/Entity.h"
#include "object/MetaComponent.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
class Lister
{
public:
    LevelAssetNames names;

    // Each child object read as the component of its name.
    void Components(const Deserializer& object)
    {
        for (const auto& child : object.Children())
            if (const META_COMPONENT_BASE* record = TypeRegistry::FindComponent(child.first))
                Fields(*record, child.second);
    }

    void Archetype(const std::string& name)
    {
        const std::string archetype = name.empty() ? "Default" : name;
        Components(Deserializer(AssetPath("Archetypes", archetype), Deserializer::ObjectFile));
    }

private:
    void Fields(const META_COMPONENT_BASE& record, const Deserializer& values)
    {
        for (const FieldInfo& field : record.fields)
        {
            if (!values.HasKey(field.name))
                continue;
            if (field.type == &META_POD<cTexture*>::Get())
                Add(names.textures, seenTextures, values.GetString(field.name));
            else if (field.type == &META_POD<cSound>::Get())
                Add(names.sounds, seenSounds, values.GetString(field.name));
        }
    }

    static void Add(std::vector<std::string>& list, std::unordered_set<std::string>& seen,
                    const std::string& name)
    {
        if (seen.insert(name).second)
            list.push_back(name);
    }

    std::unordered_set<std::string> seenTextures;
    std::unordered_set<std::string> seenSounds;
};
} // namespace

LevelAssetNames ListLevelAssets(const std::string& levelName)
{
    const std::string path = AssetPath("Levels", levelName);
    const Deserializer file(path, Deserializer::ObjectFile);
    const Deserializer& levelData = file.GetChild("LevelData");
    const int minor =
        levelData.HasKey("VersionMinor") ? Text::ParseInt(levelData.GetString("VersionMinor")) : 0;
    Lister lister;
    for (const auto& entry : file.GetChild("Entities").Children())
    {
        // Entries of 1.0 and 1.1 are their archetype with their own values over it.
        const bool old = minor <= 1;
        const bool instance = !old && ReadFlags(entry.second, DataPlace{path, entry.first})
                                          .test(Entity::ArchetypeInstance);
        if (old || instance)
            lister.Archetype(entry.second.GetString("Archetype"));
        if (!instance)
            lister.Components(entry.second);
    }
    return lister.names;
}
} // namespace Orvex
