#include "data/Deserializer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "support/ErrorOf.h"

namespace fs = std::filesystem;
using Orvex::ListFolder;
using Names = std::vector<std::string>;

namespace
{
// A scratch folder tree, removed when the test ends.
class ListFolderTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() /
               ("orvex_list_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    void AddFile(const std::string& relative)
    {
        const fs::path file = root / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }

    fs::path root;
};
} // namespace

// Files at any depth, sorted; hidden folders and links to folders are not
// followed, links to files are listed; a missing folder names its path.
TEST_F(ListFolderTree, FilesAndSubFoldersAtAnyDepthSorted)
{
    EXPECT_TRUE(ListFolder(root.string()).empty());
    EXPECT_EQ(ListFolder(""), ListFolder("./"));
    for (const char* file : {"b.txt", "a.txt", ".keep", "Speedrun/Timer.txt", "Speedrun/Deeper/Clock.txt",
                             ".hidden/Secret.txt"})
        AddFile(file);
    fs::create_directories(root / "Empty");
    fs::create_directory_symlink(root, root / "loop");
    fs::create_symlink(root / "a.txt", root / "alias.txt");
    const Names expected = {".keep", "Speedrun/Deeper/Clock.txt", "Speedrun/Timer.txt", "a.txt",
                            "alias.txt", "b.txt"};
    EXPECT_EQ(ListFolder(root.string()), expected);
    EXPECT_EQ(ListFolder(root.string() + "/"), expected);
    const std::string missing = (root / "absent").string();
    EXPECT_EQ(Orvex::ErrorOf([&] { ListFolder(missing); }), "Couldn't find directory: " + missing + "/");
}
