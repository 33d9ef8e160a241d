// What the editor's pickers offer: the files of each folder without their
// extension, and the registered component types in byte order.

#include "editor/AssetLists.h"
#include "editor/LevelEditor.h"
#include "engine/AssetPaths.h"
#include "object/TypeRegistry.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace Orvex
{
namespace
{
bool Holds(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(AssetLists, FilesWithoutTheirExtensionAndOnlyThoseWithItAndTheRegisteredComponents)
{
    const std::string textures = AssetFolder("Textures");
    const std::vector<std::string> made = {textures + "editor_list_photo.jpg",
                                           textures + "editor_list_notes.txt",
                                           AssetPath("Levels", LevelEditor::testLevel)};
    for (const std::string& path : made)
        std::ofstream(path) << "x";
    AssetLists lists;
    lists.Refresh();
    for (const std::string& path : made)
        std::remove(path.c_str());

    EXPECT_TRUE(Holds(lists.archetypes, "Default"));
    EXPECT_TRUE(Holds(lists.archetypes, "LevelEditor/LevelEditorCamera"));
    EXPECT_TRUE(Holds(lists.levels, "Level1Forest"));
    EXPECT_TRUE(lists.levelSet.count("Level1Forest"));
    EXPECT_FALSE(Holds(lists.levels, LevelEditor::testLevel));
    EXPECT_TRUE(Holds(lists.textures, "Default"));
    EXPECT_TRUE(Holds(lists.textures, "editor_list_photo"));
    EXPECT_FALSE(Holds(lists.textures, "editor_list_notes"));
    EXPECT_FALSE(Holds(lists.textures, "editor_list_notes.txt"));
    EXPECT_TRUE(Holds(lists.meshes, "Square"));
    EXPECT_TRUE(Holds(lists.fonts, "DejaVuSans"));
    EXPECT_TRUE(std::is_sorted(lists.components.begin(), lists.components.end()));
    EXPECT_TRUE(Holds(lists.components, "Transform"));
    EXPECT_TRUE(Holds(lists.components, "LevelEditorCameraController"));
    // Names the type list holds for classes not built into the program are no choice.
    for (const std::string& name : lists.components)
        EXPECT_NE(TypeRegistry::FindComponent(name), nullptr) << name;
}
} // namespace
} // namespace Orvex
