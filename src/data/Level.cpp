#include "data/Level.h"

#include <bitset>
#include <sstream>

#include "data/DataError.h"
#include "data/Deserializer.h"
#include "data/ReplaceFile.h"
#include "data/Serialization.h"
#include "engine/AssetPaths.h"
#include "engine/IGamestate.h"
#include "engine/Log.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/MetaComponent.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
constexpr int writtenMajor = 1;
constexpr int writtenMinor = 3;

IComponent* CreateComponentFrom(const META_COMPONENT_BASE& record, const Deserializer& values,
                                const DataPlace& place)
{
    Pooled<IComponent> component(record.CreateComponent());
    record.ReadFields(*component, values, place);
    return component.release();
}

// " (in ./levels/x.txt: entity 3 (Crate))": where a text of its own arose.
std::string In(const DataPlace& place)
{
    return " (in " + place.path + (place.object.empty() ? "" : ": " + place.object) + ")";
}

// An object of a level and where it lies, for error texts.
struct PlacedObject
{
    const Deserializer& object;
    const DataPlace& place;
};

// Init on every component; a failing entity is destroyed before the error goes on.
Entity* Initialised(Pooled<Entity> entity)
{
    entity->InitComponents();
    return entity.release();
}

Pooled<Entity> BuildFromArchetype(const std::string& entityName, const std::string& archetypeName,
                                  const PlacedObject* override)
{
    const std::string archetype = archetypeName.empty() ? "Default" : archetypeName;
    const DataPlace place{AssetPath("Archetypes", archetype), ""};
    const Deserializer file(place.path, Deserializer::ObjectFile);
    Pooled<Entity> entity(New<Entity>(entityName));
    entity->archetype = archetype;
    for (const auto& object : file.Children())
    {
        const META_COMPONENT_BASE* record = TypeRegistry::FindComponent(object.first);
        if (!record)
            throw "Component not registered: " + object.first + In(place);
        Pooled<IComponent> component(CreateComponentFrom(*record, object.second, place));
        // A component without fields has nothing to take from the override.
        if (override && !record->fields.empty())
        {
            if (!override->object.HasChild(object.first))
                throw "Deserializer doesn't have sub object: " + object.first + In(override->place);
            record->ReadFields(*component, override->object.GetChild(object.first), override->place);
        }
        entity->Attach(record->id, component.release());
    }
    return entity;
}

Pooled<Entity> BuildFromDescription(const std::string& entityName, const Deserializer& entry,
                                    const DataPlace& place)
{
    Pooled<Entity> entity(New<Entity>(entityName));
    for (const auto& object : entry.Children())
    {
        const META_COMPONENT_BASE* record = TypeRegistry::FindComponent(object.first);
        if (!record)
        {
            LogError("Component not registered: " + object.first + In(place));
            continue;
        }
        entity->Attach(record->id, CreateComponentFrom(*record, object.second, place));
    }
    return entity;
}

bool ReadableVersion(int major, int minor) { return major == 1 && minor >= 0 && minor <= 3; }

int VersionPart(const Deserializer& levelData, const std::string& key, int absent,
                const DataPlace& place)
{
    int part = absent;
    place.Read(key, [&] {
        if (levelData.HasKey(key))
            part = Text::ParseInt(levelData.GetString(key));
    });
    return part;
}

// Two characters "0" or "1", bit 1 first; absent or empty is "00".
std::bitset<2> ReadFlags(const Deserializer& entry, const DataPlace& place)
{
    const std::string& text = entry.GetString("Flags");
    if (text.empty())
        return {};
    if (text.size() != 2 || text.find_first_not_of("01") != std::string::npos)
        place.Fail("Flags", Text::Quoted(text) + " is not two binary digits");
    return std::bitset<2>(text);
}

// "entity 3 (Crate)": the entry's object name, and its Name when that differs.
DataPlace EntityPlace(const std::string& path, const std::string& objectName, const std::string& name)
{
    std::string shown = "entity " + objectName;
    if (!name.empty() && name != objectName)
        shown += " (" + name + ")";
    return {path, shown};
}

Entity* EntryEntity(const std::string& path, const std::string& objectName,
                    const Deserializer& entry, int minor)
{
    const std::string& name = minor == 0 ? objectName : entry.GetString("Name");
    const DataPlace place = EntityPlace(path, objectName, name);
    if (minor <= 1)
    {
        const PlacedObject override{entry, place};
        return Initialised(BuildFromArchetype(name, entry.GetString("Archetype"), &override));
    }
    Entity* entity = CreateFromEntry(name, entry, place);
    if (minor == 3)
        entity->flags = ReadFlags(entry, place);
    return entity;
}

// Queues every entity of the state for removal; a camera or level-settings choice
// that would be removed is dropped so the removal does not refuse it.
void QueueOldEntities(IGamestate& state)
{
    for (const auto& entry : state.Entities())
    {
        if (entry.second == state.CameraEntity())
            state.ClearCamera();
        if (entry.second == state.LevelSettingsEntity())
            state.ClearLevelSettings();
        state.RemoveEntity(entry.first);
    }
}

void CheckLevelName(const std::string& levelName)
{
    if (levelName.empty())
        throw std::string("Could not save the level: the level name is empty");
    if (levelName.front() == '/')
        throw "Could not save level " + levelName + ": the name is an absolute path";
    std::istringstream parts(levelName);
    std::string part;
    while (std::getline(parts, part, '/'))
        if (part == "..")
            throw "Could not save level " + levelName + ": the name leaves the levels folder";
}

// Builds the text of a level, refusing any value that would not read back as it
// was written: one ending in ":" reads as an object header, a line break splits
// the line. Each refusal names the object and key.
class LevelWriter
{
public:
    explicit LevelWriter(const std::string& levelName) : levelName(levelName) {}

    std::string Text(const IGamestate& state, const Entity& camera)
    {
        if (!state.LevelSettingsEntity())
            throw "Could not save level " + levelName + ": the state has no LevelSettings entity";
        SerialOutput output;
        Serial::Write("LevelData:\n{\n");
        Serial::SetIndentation(2);
        Line("LevelData", "VersionMajor", std::to_string(writtenMajor));
        Line("LevelData", "VersionMinor", std::to_string(writtenMinor));
        Line("LevelData", "LevelSettings", state.LevelSettingsEntity()->name);
        Line("LevelData", "Camera", camera.name);
        Serial::Write("}\n\nEntities:\n{\n");
        unsigned number = 0;
        for (const auto& entry : state.Entities())
            WriteEntity(*entry.second, number++);
        Serial::Write("}\n");
        return output.Text();
    }

private:
    void Line(const std::string& where, const std::string& key, const std::string& value) const
    {
        Check(where, key, value);
        Serial::WriteLine(key, value);
    }

    // shownKey: the key as the refusal names it.
    void Check(const std::string& where, const std::string& shownKey, const std::string& value) const
    {
        if (value.find_first_of("\r\n") != std::string::npos)
            Refuse(where, shownKey, "a value may not hold a line break");
        if (!value.empty() && value.back() == ':')
            Refuse(where, shownKey, "a value may not end in \":\"");
    }

    [[noreturn]] void Refuse(const std::string& where, const std::string& key,
                             const std::string& reason) const
    {
        throw "Could not save level " + levelName + ": " + where + ", key " + key + ": " + reason;
    }

    void WriteEntity(const Entity& entity, unsigned number) const
    {
        const std::string where = "entity " + entity.name;
        Serial::Write("  " + std::to_string(number) + ":\n  {\n");
        Serial::SetIndentation(4);
        Line(where, "Name", entity.name);
        Line(where, "Flags", entity.flags.to_string());
        Line(where, "Archetype", entity.archetype);
        for (unsigned id = 0; id < entity.components.size(); ++id)
        {
            const IComponent* component = entity.components[id];
            const META_COMPONENT_BASE* record = TypeRegistry::Component(id);
            if (!component || !record)
                continue;
            Serial::Write("    " + record->name + ":\n    {\n");
            Serial::SetIndentation(6);
            for (const FieldInfo& field : record->fields)
            {
                const std::string value = META_COMPONENT_BASE::FieldText(*component, field);
                Check(where, record->name + "." + field.name, value);
                Serial::WriteLine(field.name, value);
            }
            Serial::SetIndentation(4);
            Serial::Write("    }\n");
        }
        Serial::Write("  }\n");
    }

    const std::string& levelName;
};
} // namespace

Entity* CreateFromArchetype(const std::string& entityName, const std::string& archetypeName)
{
    return Initialised(BuildFromArchetype(entityName, archetypeName, nullptr));
}

Entity* CreateFromEntry(const std::string& entityName, const Deserializer& entry,
                        const DataPlace& place)
{
    const std::bitset<2> flags = ReadFlags(entry, place);
    if (!flags.test(Entity::ArchetypeInstance))
        return Initialised(BuildFromDescription(entityName, entry, place));

    Pooled<Entity> entity = BuildFromArchetype(entityName, entry.GetString("Archetype"), nullptr);
    entity->flags = flags;
    // Before Init, so components that remember their start see the placed one.
    const META_COMPONENT_BASE* transform = TypeRegistry::FindComponent("Transform");
    if (!entry.HasChild("Transform"))
        throw "Deserializer doesn't have sub object: Transform" + In(place);
    if (transform && entity->Get(transform->id))
        transform->ReadFields(*entity->Get(transform->id), entry.GetChild("Transform"), place);
    return Initialised(std::move(entity));
}

void LoadLevel(const std::string& levelName, IGamestate& state)
{
    const std::string path = AssetPath("Levels", levelName);
    const Deserializer file(path, Deserializer::ObjectFile);
    const Deserializer& levelData = file.GetChild("LevelData");
    const DataPlace levelDataPlace{path, "LevelData"};
    const int major = VersionPart(levelData, "VersionMajor", 1, levelDataPlace);
    const int minor = VersionPart(levelData, "VersionMinor", 0, levelDataPlace);
    if (!ReadableVersion(major, minor))
    {
        LogError(path + " has level format version " + std::to_string(major) + "." +
            std::to_string(minor) + ", which this program cannot read; nothing was loaded");
        return;
    }
    const std::string& settingsName = levelData.GetString("LevelSettings");
    const std::string& cameraName = levelData.GetString("Camera");
    const Deserializer& entities = file.GetChild("Entities");

    QueueOldEntities(state);
    Entity* settings = nullptr;
    Entity* camera = nullptr;
    for (const auto& object : entities.Children())
    {
        Entity* entity = EntryEntity(path, object.first, object.second, minor);
        state.AddEntity(entity);
        // An empty name is an absent key: it names no entity, not the unnamed ones.
        if (!settings && !settingsName.empty() && entity->name == settingsName)
            settings = entity;
        if (!camera && !cameraName.empty() && entity->name == cameraName)
            camera = entity;
    }
    if (settings)
        state.SetLevelSettings(settings->id);
    if (camera)
        state.SetCamera(camera->id);
}

void SaveLevel(const std::string& levelName, const IGamestate& state, const Entity& camera)
{
    CheckLevelName(levelName);
    ReplaceFile(AssetPath("Levels", levelName), LevelWriter(levelName).Text(state, camera), "level file");
}
} // namespace Orvex
