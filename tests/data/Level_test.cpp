#include "data/Level.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "data/LevelSettings.h"
#include "data/Serialization.h"
#include "engine/AssetPaths.h"
#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/Mesh.h"
#include "graphics/ResourceTraits.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"
#include "physics/Transform.h"
#include "support/ErrorOf.h"

namespace Orvex
{
// Every plain field type a level holds, and the Transform position its Init saw.
class LevelProbe : public IComponent
{
    ORVEX_COMPONENT(LevelProbe)
    void Init() override
    {
        if (const Transform* transform = owner->Get<Transform>())
            positionAtInit = transform->position;
    }

    std::string label = "none";
    float speed = 1.5f;
    int count = -3;
    unsigned amount = 5;
    cMesh* shape = nullptr;
    bool active = true;
    tvec2 offset{1.0f, 2.0f};
    tvec4 tint{0.1f, 0.2f, 0.3f, 0.4f};
    tvec2 positionAtInit{-99.0f, -99.0f}; // not reflected
};

ORVEX_REGISTER_COMPONENT(LevelProbe)
ORVEX_MEMBERS(LevelProbe)
{
    ORVEX_FIELD(label, "Label");
    ORVEX_FIELD(speed, "Speed");
    ORVEX_FIELD(count, "Count");
    ORVEX_FIELD(amount, "Amount");
    ORVEX_FIELD(shape, "Shape");
    ORVEX_FIELD(active, "Active");
    ORVEX_FIELD(offset, "Offset");
    ORVEX_FIELD(tint, "Tint");
}

// A component without fields.
class LevelMarker : public IComponent
{
    ORVEX_COMPONENT(LevelMarker)
};

ORVEX_REGISTER_COMPONENT(LevelMarker)
ORVEX_MEMBERS(LevelMarker) {}

namespace
{
namespace fs = std::filesystem;

class LevelState : public IGamestate
{
public:
    LevelState() : IGamestate(false, true) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

// "A{K=1;C{D=2}}" written out as a data file: objects A and C, keys K and D.
std::string File(const std::string& compact)
{
    std::string text, item, indent;
    for (char c : compact)
    {
        if (c != '{' && c != '}' && c != ';')
        {
            item += c;
            continue;
        }
        if (c == '{')
        {
            text += indent + item + ":\n" + indent + "{\n";
            indent += "  ";
        }
        else if (!item.empty())
            text += indent + item + "\n";
        if (c == '}')
        {
            indent.resize(indent.size() - 2);
            text += indent + "}\n";
        }
        item.clear();
    }
    return text;
}

// A version 1.3 level of these entities, with S its level settings and camera.
std::string Level(const std::string& entities)
{
    return File("LevelData{VersionMinor=3;LevelSettings=S;Camera=S};Entities{" + entities + "}");
}

const char* const kProbeArchetype = "Transform{Position=-7,-7;Scale=2,3};Color{color=0,1,0,1};"
                                    "LevelProbe{Label=crate;Speed=2.25;Count=7;Active=0;Offset=0.5,-1;"
                                    "Tint=1,0,0,0.5};LevelMarker{}";
// The level settings, which a level needs to be saved, and a camera to save with.
const char* const kSettings = "Name=S;Transform{};Color{};LevelSettings{};Camera{}";

// Writes levels and archetypes into the data tree beside the test executable,
// and removes them (and any temporary a save left) afterwards.
class LevelFiles : public ::testing::Test
{
protected:
    void SetUp() override { SetAssetConfig(nullptr); }
    void TearDown() override
    {
        // A probe's shape falls back to a cached mesh; the leak check at exit would count it.
        ShutdownMeshes();
        for (const std::string& path : written)
        {
            fs::remove_all(path);
            fs::remove(path + ".saving");
        }
    }

    void WriteArchetype(const std::string& name, const std::string& compact)
    {
        Write(AssetPath("Archetypes", name), File(compact));
    }
    void WriteLevel(const std::string& name, const std::string& text) { Write(LevelPath(name), text); }
    // The level's path, removed at the end (for files the code under test writes).
    std::string LevelPath(const std::string& name)
    {
        written.push_back(AssetPath("Levels", name));
        return written.back();
    }
    static std::string ReadFile(const std::string& path)
    {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }

    // Requests the level and runs the state's housekeeping, as a frame start does.
    static void Load(IGamestate& state, const std::string& level)
    {
        state.RequestLevel(level);
        state.Housekeeping();
    }

    // Entity name -> flags and every component's reflected fields as written.
    static std::map<std::string, std::string> Snapshot(const IGamestate& state)
    {
        std::map<std::string, std::string> snapshot;
        for (const auto& [id, entity] : state.Entities())
        {
            SerialOutput output;
            Serial::Write(entity->flags.to_string() + "\n");
            for (unsigned type = 0; type < entity->components.size(); ++type)
                if (const IComponent* component = entity->components[type])
                {
                    Serial::Write(TypeRegistry::Component(type)->name + ":\n");
                    TypeRegistry::Component(type)->WriteFields(*component);
                }
            snapshot[entity->name] = output.Text();
        }
        return snapshot;
    }

private:
    void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
        written.push_back(path);
    }
    std::vector<std::string> written;
};

// The level settings, the camera and a crate as version 1.minor holds them: 1.0
// without version keys and naming each entity by its object; 1.0 and 1.1
// overriding the fields of every archetype component; from 1.2 the crate an
// archetype instance and the others full descriptions; flags from 1.3.
std::string VersionedLevel(int minor)
{
    const std::string entries[][3] = {
        {"Settings", "__lt_settings",
         "Transform{Position=1,2};Color{color=0.5,0.25,1,1};LevelSettings{NextLevel=Level2Bounce}"},
        {"Cam", "__lt_camera", "Transform{Position=3,4};Camera{Size=20}"},
        {"Crate", "__lt_probe", "Transform{Position=5,6;Rotation=0.5};Color{};LevelProbe{Label=crate}"},
    };
    const std::string flags[] = {"00", minor == 3 ? "01" : "00", minor == 3 ? "11" : "10"};
    std::string text = "LevelData{LevelSettings=Settings;Camera=Cam";
    if (minor > 0)
        text += ";VersionMajor=1;VersionMinor=" + std::to_string(minor);
    text += "};Entities{";
    for (int i = 0; i < 3; ++i)
    {
        const auto& [name, archetype, components] = entries[i];
        text += minor == 0 ? name + "{Name=Ignored;"
                           : std::to_string(i) + "{Name=" + name + ";Flags=" + flags[i] + ";";
        text += "Archetype=" + archetype + ";" + components + "};";
    }
    return File(text + "}");
}

TEST_F(LevelFiles, EveryVersionLoadsWithItsValuesAndSavesToLoadTheSameAgain)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteArchetype("__lt_settings", "Transform{};Color{};LevelSettings{}");
    WriteArchetype("__lt_camera", "Transform{};Camera{}");
    for (int minor = 0; minor <= 3; ++minor)
    {
        SCOPED_TRACE("version 1." + std::to_string(minor));
        WriteLevel("__lt_level", VersionedLevel(minor));
        LevelState first;
        Load(first, "__lt_level");
        ASSERT_EQ(first.Entities().size(), 3u);
        const Entity& settings = *first.FindEntity("Settings");
        EXPECT_EQ(first.LevelSettingsEntity(), &settings);
        EXPECT_EQ(settings.Get<LevelSettings>()->nextLevel, "Level2Bounce");
        ASSERT_EQ(first.CameraEntity(), first.FindEntity("Cam"));
        EXPECT_EQ(first.CameraEntity()->flags.to_string(), minor == 3 ? "01" : "00");

        const Entity& crate = *first.FindEntity("Crate");
        EXPECT_EQ(crate.Get<Transform>()->position, tvec2(5.0f, 6.0f));
        EXPECT_EQ(crate.Get<Transform>()->scale, tvec2(2.0f, 3.0f)); // the archetype's, the entry names none
        EXPECT_EQ(crate.Get<LevelProbe>()->count, 7);
        EXPECT_NE(crate.Get<LevelMarker>(), nullptr); // without fields, it needs no object in an override
        EXPECT_EQ(crate.archetype, "__lt_probe");
        EXPECT_EQ(crate.flags.to_string(), minor < 2 ? "00" : minor == 2 ? "10" : "11");

        LevelPath("__lt_resaved");
        SaveLevel("__lt_resaved", first, *first.CameraEntity());
        LevelState second;
        Load(second, "__lt_resaved");
        EXPECT_EQ(Snapshot(second), Snapshot(first));
        EXPECT_EQ(second.LevelSettingsEntity(), second.FindEntity("Settings"));
        EXPECT_EQ(second.CameraEntity(), second.FindEntity("Cam"));
        // Only archetype instances keep their archetype name.
        EXPECT_EQ(second.FindEntity("Crate")->archetype, minor >= 2 ? "__lt_probe" : "");
        EXPECT_EQ(second.FindEntity("Settings")->archetype, "");
    }
}

// An instance is saved as its archetype's name and its Transform, so it takes
// the archetype as it is when the level loads again. A full description is no
// archetype's, whatever name it gives; an instance that names none is the
// default archetype's.
TEST_F(LevelFiles, InstanceTakesTheArchetypeAsItIsNowExceptItsTransform)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteLevel("__lt_level", Level("0{Name=Crate;Flags=10;Archetype=__lt_probe;Transform{Position=5,6}};"
                                   "1{Name=Box;Flags=01;Archetype=Foo;LevelProbe{Count=4}};"
                                   "2{Name=Plain;Flags=10;Transform{Position=1,1}};3{" + std::string(kSettings) + "}"));
    LevelState state;
    Load(state, "__lt_level");
    EXPECT_EQ(state.FindEntity("Crate")->Get<LevelProbe>()->positionAtInit, tvec2(5.0f, 6.0f)); // placed before Init
    const Entity& box = *state.FindEntity("Box");
    EXPECT_EQ(box.archetype, "");
    EXPECT_EQ(box.flags.to_string(), "01");
    EXPECT_EQ(box.Get<LevelProbe>()->count, 4);
    const Entity& plain = *state.FindEntity("Plain");
    EXPECT_EQ(plain.archetype, "Default");
    EXPECT_NE(plain.Get<Color>(), nullptr);
    EXPECT_EQ(plain.Get<Transform>()->position, tvec2(1.0f, 1.0f));
    LevelPath("__lt_saved");
    SaveLevel("__lt_saved", state, *state.CameraEntity());

    WriteArchetype("__lt_probe", "Transform{Position=0,0;Scale=9,9};LevelProbe{Label=changed;Speed=9}");
    LevelState later;
    Load(later, "__lt_saved");
    const Entity& crate = *later.FindEntity("Crate");
    EXPECT_EQ(crate.Get<LevelProbe>()->label, "changed");
    EXPECT_EQ(crate.Get<LevelProbe>()->count, -3); // the class default: the archetype names none
    EXPECT_EQ(crate.Get<Color>(), nullptr);        // gone from the archetype
    EXPECT_EQ(crate.Get<Transform>()->position, tvec2(5.0f, 6.0f));
    EXPECT_EQ(crate.Get<Transform>()->scale, tvec2(2.0f, 3.0f)); // as saved
}

// A level that names no camera or settings entity must not leave the old ones
// chosen: they were queued for removal with the rest, and housekeeping refuses
// to remove the chosen camera or settings. Nor do the empty names pick the
// unnamed entity. The old level's one entity is both.
TEST_F(LevelFiles, NewLevelNamingNoCameraDropsTheRemovedOldOneAndPicksNoUnnamedEntity)
{
    WriteLevel("__lt_old", Level("0{" + std::string(kSettings) + "}"));
    WriteLevel("__lt_new", File("LevelData{VersionMinor=3;Camera=;LevelSettings=};Entities{0{LevelProbe{}}}"));
    LevelState state;
    Load(state, "__lt_old");
    ASSERT_NE(state.CameraEntity(), nullptr);
    ASSERT_NE(state.LevelSettingsEntity(), nullptr);

    EXPECT_EQ(ErrorOf([&] { Load(state, "__lt_new"); }), "no error");
    EXPECT_EQ(state.CameraEntity(), nullptr);
    EXPECT_EQ(state.LevelSettingsEntity(), nullptr);
    ASSERT_EQ(state.Entities().size(), 1u);
    EXPECT_NE(state.Entities().begin()->second->Get<LevelProbe>(), nullptr);
    const std::uint32_t unnamed = state.Entities().begin()->first;
    EXPECT_EQ(state.CurrentLevel(), "__lt_new");
    // Loading it again replaces its entity, which is neither camera nor settings.
    Load(state, "__lt_new");
    ASSERT_EQ(state.Entities().size(), 1u);
    EXPECT_NE(state.Entities().begin()->first, unnamed);
}

TEST_F(LevelFiles, UnknownVersionLogsAndKeepsTheOldEntities)
{
    WriteLevel("__lt_level", Level("0{Name=Old}"));
    LevelState state;
    Load(state, "__lt_level");
    const std::pair<const char*, const char*> versions[] = {{"VersionMajor=2;VersionMinor=0", "2.0"},
                                                            {"VersionMinor=4", "1.4"}};
    for (const auto& [version, shown] : versions)
    {
        WriteLevel("__lt_future", File("LevelData{" + std::string(version) + "};Entities{0{Name=New}}"));
        testing::internal::CaptureStdout();
        Load(state, "__lt_future");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR: ./levels/__lt_future.txt has level format version " +
                                                              std::string(shown) + ", which this program cannot read; "
                                                              "nothing was loaded\n");
        ASSERT_EQ(state.Entities().size(), 1u);
        EXPECT_NE(state.FindEntity("Old"), nullptr);
    }
}

TEST_F(LevelFiles, UnregisteredComponentOfAFullEntryIsReportedAndSkipped)
{
    WriteLevel("__lt_level", Level("0{Name=Box;Bogus{x=1};LevelProbe{}}"));
    LevelState state;
    testing::internal::CaptureStdout();
    Load(state, "__lt_level");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR: Component not registered: Bogus (in ./levels/__lt_level.txt: entity 0 (Box))\n");
    EXPECT_NE(state.FindEntity("Box")->Get<LevelProbe>(), nullptr);
}

// A bad value in each place a level or archetype holds one names the file, the
// entity, the key and the text; what is missing names where it was missed.
TEST_F(LevelFiles, FailuresNameTheFileTheEntityTheKeyAndTheValue)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteArchetype("__lt_bogus", "Bogus{}");
    WriteArchetype("__lt_slow", "LevelProbe{Speed=fast}");
    const std::string bad = "Error in a file: ./levels/__lt_level.txt: ";
    const std::pair<std::string, std::string> cases[] = {
        {Level("0{Flags=10;Archetype=__lt_none;Transform{}}"), "Could not find file: ./archetypes/__lt_none.txt"},
        {Level("0{Flags=10;Archetype=__lt_bogus;Transform{}}"),
         "Component not registered: Bogus (in ./archetypes/__lt_bogus.txt)"},
        {Level("0{Flags=10;Archetype=__lt_probe}"),
         "Deserializer doesn't have sub object: Transform (in ./levels/__lt_level.txt: entity 0)"},
        {File("LevelData{VersionMinor=1};Entities{0{Archetype=__lt_probe;Transform{};Color{}}}"),
         "Deserializer doesn't have sub object: LevelProbe (in ./levels/__lt_level.txt: entity 0)"},
        {Level("3{Name=Crate;Flags=2x}"), bad + "entity 3 (Crate), key Flags: '2x' is not two binary digits"},
        {Level("0{Name=Box;Flags=1}"), bad + "entity 0 (Box), key Flags: '1' is not two binary digits"},
        {File("LevelData{VersionMajor=abc};Entities{}"), bad + "LevelData, key VersionMajor: 'abc' is not a whole number"},
        {Level("0{Name=Box;LevelProbe{Speed=fast}}"),
         bad + "entity 0 (Box), component LevelProbe, key Speed: 'fast' is not a number"},
        {Level("0{Name=Box;LevelProbe{Shape=__lt_absent}}"),
         "Could not find file: ./meshes/__lt_absent.txt (read for ./levels/__lt_level.txt: entity 0 (Box), "
         "component LevelProbe, key Shape)"},
        {Level("0{Name=Crate;Flags=10;Archetype=__lt_probe;Transform{Position=here}}"),
         bad + "entity 0 (Crate), component Transform, key Position: 'here' is not two numbers"},
        {File("LevelData{};Entities{Crate{Archetype=__lt_probe;Transform{};Color{};LevelProbe{Count=many}}}"),
         bad + "entity Crate, component LevelProbe, key Count: 'many' is not a whole number"},
        {Level("0{Name=Crate;Flags=10;Archetype=__lt_slow}"),
         "Error in a file: ./archetypes/__lt_slow.txt: component LevelProbe, key Speed: 'fast' is not a number"},
    };
    for (const auto& [level, error] : cases)
    {
        WriteLevel("__lt_level", level);
        LevelState state;
        EXPECT_EQ(ErrorOf([&] { LoadLevel("__lt_level", state); }), error) << level;
    }
}

// One entity that is the level settings and the camera at once, with no Init
// run, and a level file of old text that a failed save must leave as it was.
class LevelSaving : public LevelFiles
{
protected:
    void SetUp() override
    {
        LevelFiles::SetUp();
        box = New<Entity>("Box");
        box->archetype = "Crates";
        box->flags.set(Entity::Locked);
        box->Add<Color>()->color = tvec4(1.0f, 0.5f, 0.0f, 1.0f);
        box->Add<Camera>()->size = 12.5f;
        LevelSettings* settings = box->Add<LevelSettings>();
        settings->endTimer = 2.0f;
        settings->nextLevel = "0menu";
        state.AddEntity(box);
        state.SetLevelSettings(box->id);
        WriteLevel("__ls_level", "old text");
    }

    // The refusal of saving the state under name, which must leave the old level.
    std::string Refusal(const std::string& name, const Entity& camera)
    {
        const std::string error = ErrorOf([&] { SaveLevel(name, state, camera); });
        EXPECT_EQ(ReadFile(AssetPath("Levels", "__ls_level")), "old text");
        EXPECT_FALSE(fs::exists(AssetPath("Levels", "__ls_level") + ".saving"));
        return error;
    }

    LevelState state;
    Entity* box = nullptr;
};

TEST_F(LevelSaving, WritesVersionOneThreeWithEveryComponentInIdOrder)
{
    SaveLevel("__ls_level", state, *box);
    EXPECT_EQ(ReadFile(AssetPath("Levels", "__ls_level")),
              File("LevelData{VersionMajor=1;VersionMinor=3;LevelSettings=Box;Camera=Box}") + "\n" +
                  File("Entities{0{Name=Box;Flags=01;Archetype=Crates;Color{color=1,0.5,0,1};Camera{Size=12.5};"
                       "LevelSettings{GravitySpeed=10;EndTimer=2;NextLevel=0menu}}}"));
    EXPECT_FALSE(fs::exists(AssetPath("Levels", "__ls_level") + ".saving"));
}

TEST_F(LevelSaving, RefusesNamesLeavingTheLevelsFolderAndValuesThatWouldNotReadBack)
{
    const std::string cannot = "Could not save level ";
    EXPECT_EQ(Refusal("", *box), "Could not save the level: the level name is empty");
    EXPECT_EQ(Refusal("/tmp/__ls_level", *box), cannot + "/tmp/__ls_level: the name is an absolute path");
    for (const std::string name : {"../__ls_level", "sub/../../__ls_level"})
        EXPECT_EQ(Refusal(name, *box), cannot + name + ": the name leaves the levels folder");
    EXPECT_FALSE(fs::exists("./__ls_level.txt"));
    EXPECT_FALSE(fs::exists("/tmp/__ls_level.txt"));

    EXPECT_EQ(Refusal("__ls_level", Entity("View:")),
              cannot + "__ls_level: LevelData, key Camera: a value may not end in \":\"");
    box->Get<LevelSettings>()->nextLevel = "two\nlines";
    EXPECT_EQ(Refusal("__ls_level", *box),
              cannot + "__ls_level: entity Box, key LevelSettings.NextLevel: a value may not hold a line break");
    box->Get<LevelSettings>()->nextLevel = "menu:";
    EXPECT_EQ(Refusal("__ls_level", *box),
              cannot + "__ls_level: entity Box, key LevelSettings.NextLevel: a value may not end in \":\"");
    box->name = "Box:";
    EXPECT_EQ(Refusal("__ls_level", *box), cannot + "__ls_level: LevelData, key LevelSettings: a value may not end in \":\"");
    state.ClearLevelSettings();
    EXPECT_EQ(Refusal("__ls_level", *box), cannot + "__ls_level: the state has no LevelSettings entity");
}

TEST_F(LevelSaving, TargetThatIsAFolderFailsAndLeavesNoTemporary)
{
    const std::string path = LevelPath("__ls_folder");
    fs::create_directory(path);
    EXPECT_EQ(ErrorOf([&] { SaveLevel("__ls_folder", state, *box); }),
              "Could not replace the level file: " + path + " (Is a directory)");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(fs::exists(path + ".saving"));
}

// The new text goes to a device that takes no byte, as a full disk does.
TEST_F(LevelSaving, TemporaryThatTakesNoByteFailsAndKeepsTheOldFile)
{
    const std::string path = AssetPath("Levels", "__ls_level");
    fs::create_symlink("/dev/full", path + ".saving");
    EXPECT_EQ(ErrorOf([&] { SaveLevel("__ls_level", state, *box); }),
              "Could not write the level file: " + path + " (No space left on device)");
    EXPECT_EQ(ReadFile(path), "old text");
    EXPECT_FALSE(fs::is_symlink(path + ".saving"));
    EXPECT_TRUE(fs::exists("/dev/full"));
}
} // namespace
} // namespace Orvex
