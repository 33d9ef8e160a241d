#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LevelFiles.h"
#include "data/Level.h"
#include "data/LevelSettings.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "memory/MemoryManager.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

// One entity that is the level settings and the camera at once, with no Init run.
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
    }
    void TearDown() override
    {
        for (const fs::path& folder : folders)
            fs::remove_all(folder);
        LevelFiles::TearDown();
    }

    fs::path Folder(const std::string& name)
    {
        const fs::path folder = AssetFolder("Levels") + name;
        fs::create_directories(folder);
        folders.push_back(folder);
        return folder;
    }

    // Saves over an existing file and returns the refusal; the old text must stay.
    std::string RefusalKeepingTheOldFile(const std::string& name, const Entity& camera)
    {
        WriteLevel(name, "old text");
        const std::string error = ErrorOf([&] { SaveLevel(name, state, camera); });
        EXPECT_EQ(ReadFile(AssetPath("Levels", name)), "old text");
        EXPECT_FALSE(fs::exists(AssetPath("Levels", name) + ".saving"));
        return error;
    }

    LevelTestState state;
    Entity* box = nullptr;
    std::vector<fs::path> folders;
};

TEST_F(LevelSaving, WritesVersionOneThreeWithEveryComponentInIdOrder)
{
    const std::string path = LevelPath("__ls_level");
    WriteLevel("__ls_level", "old text"); // replaced
    SaveLevel("__ls_level", state, *box);
    EXPECT_EQ(ReadFile(path), "LevelData:\n{\n  VersionMajor=1\n  VersionMinor=3\n"
                              "  LevelSettings=Box\n  Camera=Box\n}\n\n"
                              "Entities:\n{\n  0:\n  {\n    Name=Box\n    Flags=01\n    Archetype=Crates\n"
                              "    Color:\n    {\n      color=1,0.5,0,1\n    }\n"
                              "    Camera:\n    {\n      Size=12.5\n    }\n"
                              "    LevelSettings:\n    {\n      GravitySpeed=10\n      EndTimer=2\n"
                              "      NextLevel=0menu\n    }\n  }\n}\n");
    EXPECT_FALSE(fs::exists(path + ".saving"));
}

TEST_F(LevelSaving, RefusesNamesLeavingTheLevelsFolder)
{
    const std::pair<std::string, std::string> refusals[] = {
        {"", "Could not save the level: the level name is empty"},
        {"/tmp/__ls_level", "Could not save level /tmp/__ls_level: the name is an absolute path"},
        {"../__ls_level", "Could not save level ../__ls_level: the name leaves the levels folder"},
        {"sub/../../__ls_level",
         "Could not save level sub/../../__ls_level: the name leaves the levels folder"},
    };
    for (const auto& [name, error] : refusals)
        EXPECT_EQ(ErrorOf([&, &name = name] { SaveLevel(name, state, *box); }), error);
    EXPECT_FALSE(fs::exists("./__ls_level.txt"));
    EXPECT_FALSE(fs::exists("/tmp/__ls_level.txt"));
}

TEST_F(LevelSaving, RefusesValuesThatWouldNotReadBack)
{
    box->Get<LevelSettings>()->nextLevel = "menu:";
    EXPECT_EQ(RefusalKeepingTheOldFile("__ls_level", *box),
              "Could not save level __ls_level: entity Box, key LevelSettings.NextLevel: "
              "a value may not end in \":\"");
    box->Get<LevelSettings>()->nextLevel = "two\nlines";
    EXPECT_EQ(RefusalKeepingTheOldFile("__ls_level", *box),
              "Could not save level __ls_level: entity Box, key LevelSettings.NextLevel: "
              "a value may not hold a line break");
    box->Get<LevelSettings>()->nextLevel.clear();
    box->name = "Box:";
    EXPECT_EQ(RefusalKeepingTheOldFile("__ls_level", *box),
              "Could not save level __ls_level: LevelData, key LevelSettings: "
              "a value may not end in \":\"");
    box->name = "Box";
    EXPECT_EQ(RefusalKeepingTheOldFile("__ls_level", Entity("View:")),
              "Could not save level __ls_level: LevelData, key Camera: a value may not end in \":\"");
}

TEST_F(LevelSaving, NeedsALevelSettingsEntity)
{
    LevelTestState empty;
    EXPECT_EQ(ErrorOf([&] { SaveLevel("__ls_level", empty, *box); }),
              "Could not save level __ls_level: the state has no LevelSettings entity");
    EXPECT_FALSE(fs::exists(AssetPath("Levels", "__ls_level")));
}

TEST_F(LevelSaving, TargetThatIsAFolderFailsAndLeavesNoTemporary)
{
    Folder("__ls_folder.txt");
    const std::string path = AssetPath("Levels", "__ls_folder");
    EXPECT_EQ(ErrorOf([&] { SaveLevel("__ls_folder", state, *box); }),
              "Could not replace the level file: " + path + " (Is a directory)");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(fs::exists(path + ".saving"));
}

// The new text goes to a device that takes no byte, as a full disk does. (Other
// failures to open or write the temporary take the same path, tested through
// the run and settings files.)
TEST_F(LevelSaving, TemporaryThatTakesNoByteFailsAndKeepsTheOldFile)
{
    Folder("__ls_nospace");
    WriteLevel("__ls_nospace/level", "old text");
    const std::string path = AssetPath("Levels", "__ls_nospace/level");
    fs::create_symlink("/dev/full", path + ".saving");
    EXPECT_EQ(ErrorOf([&] { SaveLevel("__ls_nospace/level", state, *box); }),
              "Could not write the level file: " + path + " (No space left on device)");
    EXPECT_EQ(ReadFile(path), "old text");
    EXPECT_FALSE(fs::is_symlink(path + ".saving"));
    EXPECT_TRUE(fs::exists("/dev/full"));
}

} // namespace
} // namespace Orvex
