#include "data/Level.h"

#include <gtest/gtest.h>

#include "LevelFiles.h"
#include "data/Deserializer.h"
#include "data/LevelSettings.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "memory/MemoryManager.h"
#include "physics/Transform.h"

namespace Orvex
{
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

void LevelProbe::Init()
{
    initialised = true;
    if (const Transform* transform = owner->Get<Transform>())
        positionAtInit = transform->position;
}

ORVEX_REGISTER_COMPONENT(LevelMarker)
ORVEX_MEMBERS(LevelMarker) {}

namespace
{
// One entity of a level file: its object name, its keys and its component objects.
struct EntryText
{
    std::string object;
    std::vector<std::string> keys;                                 // "Key=value"
    std::vector<std::pair<std::string, std::string>> components; // name, "k=v\n..." lines
};

std::string Indented(const std::string& lines, const std::string& indent)
{
    std::istringstream in(lines);
    std::string out;
    for (std::string line; std::getline(in, line);)
        out += indent + line + "\n";
    return out;
}

std::string LevelText(const std::string& levelData, const std::vector<EntryText>& entries)
{
    std::string text = "LevelData:\n{\n" + Indented(levelData, "  ") + "}\n\nEntities:\n{\n";
    for (const EntryText& entry : entries)
    {
        text += "  " + entry.object + ":\n  {\n";
        for (const std::string& key : entry.keys)
            text += "    " + key + "\n";
        for (const auto& [name, body] : entry.components)
            text += "    " + name + ":\n    {\n" + Indented(body, "      ") + "    }\n";
        text += "  }\n";
    }
    return text + "}\n";
}

const char* const kProbeArchetype = "Transform:\n{\n  Position=-7,-7\n  Scale=2,3\n}\n\n"
                                    "Color:\n{\n  color=0,1,0,1\n}\n\n"
                                    "LevelProbe:\n{\n  Label=crate\n  Speed=2.25\n  Count=7\n"
                                    "  Active=0\n  Offset=0.5,-1\n  Tint=1,0,0,0.5\n}\n\n"
                                    "LevelMarker:\n{\n}\n";
const char* const kSettingsArchetype = "Transform:\n{\n}\nColor:\n{\n}\nLevelSettings:\n{\n}\n";
const char* const kCameraArchetype = "Transform:\n{\n}\nCamera:\n{\n}\n";

// Level files of every readable version holding the same three entities: the
// level settings, the camera and a crate. Each version has files of its own
// names, since the versions run side by side as separate tests.
class LevelVersions : public LevelFiles, public ::testing::WithParamInterface<int>
{
protected:
    static std::string Named(const std::string& base) { return base + std::to_string(GetParam()); }

    void SetUp() override
    {
        LevelFiles::SetUp();
        WriteArchetype(Named("__lt_probe"), kProbeArchetype);
        WriteArchetype(Named("__lt_settings"), kSettingsArchetype);
        WriteArchetype(Named("__lt_camera"), kCameraArchetype);
    }

    static std::string VersionedLevel(int minor)
    {
        const std::string levelData = "VersionMajor=1\nVersionMinor=" + std::to_string(minor) +
                                      "\nLevelSettings=Settings\nCamera=Cam\n";
        std::vector<EntryText> entries = {
            {"Settings",
             {"Archetype=" + Named("__lt_settings")},
             {{"Transform", "Position=1,2"},
              {"Color", "color=0.5,0.25,1,1"},
              {"LevelSettings", "GravitySpeed=12.5\nNextLevel=Level2Bounce"}}},
            {"Cam",
             {"Archetype=" + Named("__lt_camera")},
             {{"Transform", "Position=3,4"}, {"Camera", "Size=20"}}},
            {"Crate",
             {"Archetype=" + Named("__lt_probe")},
             {{"Transform", "Position=5,6\nRotation=0.5"},
              {"Color", ""},
              {"LevelProbe", "Label=crate"}}},
        };
        if (minor == 0)
            return LevelText(levelData, entries);
        const char* const flags[3][2] = {{"00", "00"}, {"00", "01"}, {"10", "11"}};
        for (std::size_t i = 0; i < entries.size(); ++i)
        {
            EntryText& entry = entries[i];
            entry.keys.push_back("Name=" + entry.object);
            entry.keys.push_back(std::string("Flags=") + flags[i][minor == 3]);
            entry.object = std::to_string(i);
        }
        return LevelText(levelData, entries);
    }
};

TEST_P(LevelVersions, LoadBuildsEveryEntityWithItsValues)
{
    WriteLevel(Named("__lt_versioned"), VersionedLevel(GetParam()));
    LevelTestState state;
    Load(state, Named("__lt_versioned"));
    ASSERT_EQ(state.Entities().size(), 3u);

    Entity* settings = state.FindEntity("Settings");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(state.LevelSettingsEntity(), settings);
    EXPECT_EQ(settings->Get<LevelSettings>()->gravitySpeed, 12.5f);
    EXPECT_EQ(settings->Get<LevelSettings>()->nextLevel, "Level2Bounce");
    EXPECT_EQ(settings->Get<Color>()->color, tvec4(0.5f, 0.25f, 1.0f, 1.0f));
    EXPECT_EQ(state.CameraEntity(), state.FindEntity("Cam"));
    EXPECT_EQ(state.CameraEntity()->Get<Camera>()->size, 20.0f);

    const Entity& crate = *state.FindEntity("Crate");
    const Transform& placed = *crate.Get<Transform>();
    EXPECT_EQ(placed.position, tvec2(5.0f, 6.0f));
    EXPECT_EQ(placed.rotation, 0.5f);
    EXPECT_EQ(placed.scale, tvec2(2.0f, 3.0f)); // the archetype's, the entry names none
    const LevelProbe& probe = *crate.Get<LevelProbe>();
    EXPECT_EQ(probe.label, "crate");
    EXPECT_EQ(probe.count, 7);
    EXPECT_FALSE(probe.active);
    EXPECT_EQ(probe.tint, tvec4(1.0f, 0.0f, 0.0f, 0.5f));
    EXPECT_NE(crate.Get<LevelMarker>(), nullptr);
    EXPECT_EQ(crate.archetype, Named("__lt_probe"));
    EXPECT_EQ(crate.flags.to_string(), GetParam() >= 2 ? (GetParam() == 3 ? "11" : "10") : "00");
}

TEST_P(LevelVersions, SaveAndLoadAgainKeepsNamesFlagsAndValues)
{
    WriteLevel(Named("__lt_versioned"), VersionedLevel(GetParam()));
    LevelTestState first;
    Load(first, Named("__lt_versioned"));
    const std::string saved = Named("__lt_resaved");
    LevelPath(saved);
    SaveLevel(saved, first, *first.CameraEntity());

    LevelTestState second;
    Load(second, saved);
    EXPECT_EQ(Snapshot(second), Snapshot(first));
    EXPECT_EQ(second.LevelSettingsEntity(), second.FindEntity("Settings"));
    EXPECT_EQ(second.CameraEntity(), second.FindEntity("Cam"));
    for (const auto& entry : second.Entities())
        EXPECT_EQ(first.Entities().count(entry.first), 0u) << "ids are drawn anew";
    // Only archetype instances keep their archetype name.
    EXPECT_EQ(second.FindEntity("Crate")->archetype, GetParam() >= 2 ? Named("__lt_probe") : "");
    EXPECT_EQ(second.FindEntity("Settings")->archetype, "");
}

INSTANTIATE_TEST_SUITE_P(EveryMinor, LevelVersions, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return "Minor" + std::to_string(info.param); });

using LevelLoading = LevelFiles;

const char* const kPlacedInstance = "VersionMinor=3\nLevelSettings=S";
// A crate placed at position, beside the level settings (a level needs them to be saved).
std::vector<EntryText> CrateInstance(const std::string& position)
{
    return {{"0", {"Name=Crate", "Flags=10", "Archetype=__lt_probe"},
             {{"Transform", "Position=" + position}}},
            {"1", {"Name=S", "Flags=00"}, {{"Transform", ""}, {"Color", ""}, {"LevelSettings", ""}, {"Camera", ""}}}};
}

TEST_F(LevelLoading, InstanceTakesTheArchetypeAsItIsNowExceptItsTransform)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteLevel("__lt_level", LevelText(kPlacedInstance, CrateInstance("5,6")));
    LevelTestState state;
    Load(state, "__lt_level");
    const LevelProbe& probe = *state.FindEntity("Crate")->Get<LevelProbe>();
    EXPECT_TRUE(probe.initialised);
    EXPECT_EQ(probe.positionAtInit, tvec2(5.0f, 6.0f)); // placed before Init
    LevelPath("__lt_saved");
    SaveLevel("__lt_saved", state, *state.FindEntity("S"));

    WriteArchetype("__lt_probe", "Transform:\n{\n  Position=0,0\n  Scale=9,9\n}\n"
                                 "LevelProbe:\n{\n  Label=changed\n  Speed=9\n}\n");
    LevelTestState later;
    Load(later, "__lt_saved");
    const Entity& crate = *later.FindEntity("Crate");
    EXPECT_EQ(crate.Get<LevelProbe>()->label, "changed");
    EXPECT_EQ(crate.Get<LevelProbe>()->speed, 9.0f);
    EXPECT_EQ(crate.Get<LevelProbe>()->count, -3); // the class default: the archetype names none
    EXPECT_EQ(crate.Get<Color>(), nullptr);        // gone from the archetype
    EXPECT_EQ(crate.Get<Transform>()->position, tvec2(5.0f, 6.0f));
    EXPECT_EQ(crate.Get<Transform>()->scale, tvec2(2.0f, 3.0f)); // as saved
}

// A full description is no archetype's, whatever name it gives; an instance
// that names none is the default archetype's.
TEST_F(LevelLoading, FullDescriptionDropsItsArchetypeNameAndAnEmptyOneMeansDefault)
{
    WriteLevel("__lt_level", LevelText(kPlacedInstance, {{"0", {"Name=Box", "Flags=01", "Archetype=Foo"},
                                                         {{"LevelProbe", "Count=4"}}},
                                                        {"1", {"Name=Plain", "Flags=10"},
                                                         {{"Transform", "Position=1,1"}}}}));
    LevelTestState state;
    Load(state, "__lt_level");
    const Entity& box = *state.FindEntity("Box");
    EXPECT_EQ(box.archetype, "");
    EXPECT_EQ(box.flags.to_string(), "01");
    EXPECT_EQ(box.Get<LevelProbe>()->count, 4);
    EXPECT_EQ(box.Get<LevelProbe>()->label, "none");
    const Entity& plain = *state.FindEntity("Plain");
    EXPECT_EQ(plain.archetype, "Default");
    ASSERT_NE(plain.Get<Color>(), nullptr);
    EXPECT_EQ(plain.Get<Color>()->color, tvec4(1.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(plain.Get<Transform>()->position, tvec2(1.0f, 1.0f));
}

TEST_F(LevelLoading, NoVersionKeysReadAsOneZero)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteLevel("__lt_level",
               LevelText("Camera=", {{"Crate", {"Archetype=__lt_probe", "Name=Ignored"},
                                      {{"Transform", "Position=8,9"}, {"Color", ""}, {"LevelProbe", ""}}}}));
    LevelTestState state;
    Load(state, "__lt_level");
    const Entity* crate = state.FindEntity("Crate");
    ASSERT_NE(crate, nullptr);
    EXPECT_EQ(crate->Get<Transform>()->position, tvec2(8.0f, 9.0f));
    EXPECT_EQ(crate->archetype, "__lt_probe");
}

// A level that names no camera or settings entity must not leave the old ones
// chosen: they were queued for removal with the rest, and housekeeping refuses
// to remove the chosen camera or settings. Nor do the empty names pick the
// unnamed entity.
TEST_F(LevelLoading, NewLevelNamingNoCameraDropsTheRemovedOldOneAndPicksNoUnnamedEntity)
{
    WriteArchetype("__lt_settings", kSettingsArchetype);
    WriteArchetype("__lt_camera", kCameraArchetype);
    WriteLevel("__lt_old", LevelText("VersionMinor=1\nLevelSettings=S\nCamera=C",
                                     {{"0", {"Name=S", "Archetype=__lt_settings"},
                                       {{"Transform", ""}, {"Color", ""}, {"LevelSettings", ""}}},
                                      {"1", {"Name=C", "Archetype=__lt_camera"},
                                       {{"Transform", ""}, {"Camera", ""}}}}));
    WriteLevel("__lt_new", LevelText("VersionMinor=3\nCamera=\nLevelSettings=",
                                     {{"0", {"Flags=00"}, {{"LevelProbe", ""}}}}));
    LevelTestState state;
    Load(state, "__lt_old");
    ASSERT_NE(state.CameraEntity(), nullptr);
    ASSERT_NE(state.LevelSettingsEntity(), nullptr);

    EXPECT_EQ(ErrorOf([&] { Load(state, "__lt_new"); }), "no error");
    EXPECT_EQ(state.CameraEntity(), nullptr);
    EXPECT_EQ(state.LevelSettingsEntity(), nullptr);
    ASSERT_EQ(state.Entities().size(), 1u);
    EXPECT_NE(state.Entities().begin()->second->Get<LevelProbe>(), nullptr);
    EXPECT_EQ(state.CurrentLevel(), "__lt_new");
}

TEST_F(LevelLoading, OverrideNeedsNoObjectForAComponentWithoutFields)
{
    WriteArchetype("__lt_marked", "LevelMarker:\n{\n}\nLevelProbe:\n{\n  Count=2\n}\n");
    WriteLevel("__lt_level", LevelText("", {{"M", {"Archetype=__lt_marked"}, {{"LevelProbe", ""}}}}));
    LevelTestState state;
    Load(state, "__lt_level");
    EXPECT_NE(state.FindEntity("M")->Get<LevelMarker>(), nullptr);
}

TEST_F(LevelLoading, UnknownVersionLogsAndKeepsTheOldEntities)
{
    WriteLevel("__lt_level", LevelText(kPlacedInstance, {{"0", {"Name=Old", "Flags=00"}, {}}}));
    LevelTestState state;
    Load(state, "__lt_level");
    const std::pair<const char*, const char*> versions[] = {{"VersionMajor=2\nVersionMinor=0", "2.0"},
                                                            {"VersionMinor=4", "1.4"}};
    for (const auto& [version, shown] : versions)
    {
        WriteLevel("__lt_future", LevelText(version, {{"0", {"Name=New", "Flags=00"}, {}}}));
        testing::internal::CaptureStdout();
        Load(state, "__lt_future");
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(printed.rfind("ERROR: ./levels/__lt_future.txt has level format version ", 0), 0u)
            << printed;
        EXPECT_NE(printed.find(shown), std::string::npos) << printed;
        ASSERT_EQ(state.Entities().size(), 1u);
        EXPECT_NE(state.FindEntity("Old"), nullptr);
    }
}

TEST_F(LevelLoading, UnregisteredComponentOfAFullEntryIsReportedAndSkipped)
{
    WriteLevel("__lt_level", LevelText(kPlacedInstance, {{"0", {"Name=Box", "Flags=00"},
                                                         {{"Bogus", "x=1"}, {"LevelProbe", ""}}}}));
    LevelTestState state;
    testing::internal::CaptureStdout();
    Load(state, "__lt_level");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR: Component not registered: Bogus (in ./levels/__lt_level.txt: entity 0 (Box))\n");
    EXPECT_NE(state.FindEntity("Box")->Get<LevelProbe>(), nullptr);
}

struct FailureCase
{
    const char* name;
    std::string levelData;
    std::vector<EntryText> entries;
    std::string error;
};

TEST_F(LevelLoading, FailuresThrowTheirTexts)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteArchetype("__lt_bogus", "Bogus:\n{\n}\n");
    WriteArchetype("__lt_settings", kSettingsArchetype);
    const std::vector<FailureCase> cases = {
        {"missing archetype", kPlacedInstance, {{"0", {"Flags=10", "Archetype=__lt_none"}, {{"Transform", ""}}}},
         "Could not find file: ./archetypes/__lt_none.txt"},
        {"unregistered in archetype", kPlacedInstance,
         {{"0", {"Flags=10", "Archetype=__lt_bogus"}, {{"Transform", ""}}}},
         "Component not registered: Bogus (in ./archetypes/__lt_bogus.txt)"},
        {"instance without Transform", kPlacedInstance, {{"0", {"Flags=10", "Archetype=__lt_probe"}, {}}},
         "Deserializer doesn't have sub object: Transform (in ./levels/__lt_failing.txt: entity 0)"},
        {"override without component", "VersionMinor=1",
         {{"0", {"Archetype=__lt_probe"}, {{"Transform", ""}, {"Color", ""}}}},
         "Deserializer doesn't have sub object: LevelProbe (in ./levels/__lt_failing.txt: entity 0)"},
        {"settings without component", "VersionMinor=3\nLevelSettings=Box",
         {{"0", {"Name=Box", "Flags=00"}, {{"LevelProbe", ""}}}},
         "Tried setting Entity without LevelSettings component as the LevelSettings: Box"},
        {"camera without component", "VersionMinor=3\nCamera=Box",
         {{"0", {"Name=Box", "Flags=00"}, {{"LevelProbe", ""}}}},
         "Tried setting Entity without Camera component as Camera: Box"},
    };
    for (const FailureCase& failure : cases)
    {
        WriteLevel("__lt_failing", LevelText(failure.levelData, failure.entries));
        LevelTestState state;
        EXPECT_EQ(ErrorOf([&] { LoadLevel("__lt_failing", state); }), failure.error) << failure.name;
    }
}

TEST_F(LevelLoading, MissingFileOrTopObjectsThrow)
{
    LevelTestState state;
    EXPECT_EQ(ErrorOf([&] { LoadLevel("__lt_absent", state); }),
              "Could not find file: ./levels/__lt_absent.txt");
    WriteLevel("__lt_level", "Entities:\n{\n}\n");
    EXPECT_EQ(ErrorOf([&] { LoadLevel("__lt_level", state); }), "LevelData not found in deserializer.");
    WriteLevel("__lt_level", "LevelData:\n{\n  VersionMinor=3\n}\n");
    EXPECT_EQ(ErrorOf([&] { LoadLevel("__lt_level", state); }), "Entities not found in deserializer.");
}

// A bad value in each place a level or archetype holds one: the value types
// themselves are refused alike wherever they stand.
TEST_F(LevelLoading, BadValuesNameTheFileTheEntityTheKeyAndTheValue)
{
    WriteArchetype("__lt_probe", kProbeArchetype);
    WriteArchetype("__lt_slow", "LevelProbe:\n{\n  Speed=fast\n}\n");
    const std::string level = "Error in a file: ./levels/__lt_level.txt: ";
    const auto described = [](const std::string& probe) {
        return std::vector<EntryText>{{"0", {"Name=Box", "Flags=00"}, {{"LevelProbe", probe}}}};
    };
    const std::vector<FailureCase> cases = {
        {"flags", kPlacedInstance, {{"3", {"Name=Crate", "Flags=2x"}, {}}},
         level + "entity 3 (Crate), key Flags: '2x' is not two binary digits"},
        {"one flag", kPlacedInstance, {{"0", {"Name=Box", "Flags=1"}, {}}},
         level + "entity 0 (Box), key Flags: '1' is not two binary digits"},
        {"version", "VersionMajor=abc", {}, level + "LevelData, key VersionMajor: 'abc' is not a whole number"},
        {"float", kPlacedInstance, described("Speed=fast"),
         level + "entity 0 (Box), component LevelProbe, key Speed: 'fast' is not a number"},
        {"resource", kPlacedInstance, described("Shape=__lt_absent"),
         "Could not find file: ./meshes/__lt_absent.txt (read for ./levels/__lt_level.txt: entity 0 (Box), "
         "component LevelProbe, key Shape)"},
        {"placed transform", kPlacedInstance,
         {{"0", {"Name=Crate", "Flags=10", "Archetype=__lt_probe"}, {{"Transform", "Position=here"}}}},
         level + "entity 0 (Crate), component Transform, key Position: 'here' is not two numbers"},
        {"override", "VersionMinor=0",
         {{"Crate", {"Archetype=__lt_probe"},
           {{"Transform", ""}, {"Color", ""}, {"LevelProbe", "Count=many"}, {"LevelMarker", ""}}}},
         level + "entity Crate, component LevelProbe, key Count: 'many' is not a whole number"},
        {"archetype", kPlacedInstance, {{"0", {"Name=Crate", "Flags=10", "Archetype=__lt_slow"}, {}}},
         "Error in a file: ./archetypes/__lt_slow.txt: component LevelProbe, key Speed: 'fast' is not a number"},
    };
    for (const FailureCase& failure : cases)
    {
        WriteLevel("__lt_level", LevelText(failure.levelData, failure.entries));
        LevelTestState state;
        EXPECT_EQ(ErrorOf([&] { LoadLevel("__lt_level", state); }), failure.error) << failure.name;
    }
}

} // namespace
} // namespace Orvex
