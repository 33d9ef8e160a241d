#include "data/LevelAssets.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "LevelFiles.h"

namespace Orvex
{
namespace
{
std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// Entries described in full give their own fields; instances (and every entry of
// a 1.1 level) their archetype's, which the 1.1 entry's own values add to.
TEST_F(LevelFiles, LevelAssetsAreTheTextureAndSoundFieldsOfEntriesOrTheirArchetypesOnceEach)
{
    WriteArchetype("__assets_box", "Sprite:\n{\n  texture=BoxArt\n}\nSoundEmitter:\n{\n  Sound=Thud\n}\n");
    WriteLevel("__assets_new",
               "LevelData:\n{\n  VersionMajor=1\n  VersionMinor=3\n}\nEntities:\n{\n"
               "  0:\n  {\n    Name=a\n    Flags=00\n"
               "    Sprite:\n    {\n      texture=Leaf\n      layer=2\n    }\n"
               "    SoundEmitter:\n    {\n      Sound=Pickup\n    }\n  }\n"
               "  1:\n  {\n    Name=b\n    Flags=01\n"
               "    Sprite:\n    {\n      texture=Leaf\n    }\n"
               "    SoundEmitter:\n    {\n      Sound=Music/Theme\n    }\n  }\n"
               "  2:\n  {\n    Name=c\n    Flags=10\n    Archetype=__assets_box\n"
               "    Sprite:\n    {\n      texture=NotRead\n    }\n  }\n}\n");
    const LevelAssetNames listed = ListLevelAssets("__assets_new");
    EXPECT_EQ(Sorted(listed.textures), (std::vector<std::string>{"BoxArt", "Leaf"}));
    EXPECT_EQ(Sorted(listed.sounds), (std::vector<std::string>{"Music/Theme", "Pickup", "Thud"}));

    WriteLevel("__assets_old", "LevelData:\n{\n  VersionMajor=1\n  VersionMinor=1\n}\nEntities:\n{\n"
                               "  0:\n  {\n    Name=c\n    Archetype=__assets_box\n"
                               "    Sprite:\n    {\n      texture=Override\n    }\n  }\n}\n");
    EXPECT_EQ(Sorted(ListLevelAssets("__assets_old").textures),
              (std::vector<std::string>{"BoxArt", "Override"}));
    EXPECT_EQ(ErrorOf([] { ListLevelAssets("__assets_absent"); }),
              "Could not find file: " + AssetPath("Levels", "__assets_absent"));
}
} // namespace
} // namespace Orvex
