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

TEST_F(ListFolderTree, FilesAndSubFoldersAtAnyDepthSorted)
{
    EXPECT_TRUE(ListFolder(root.string()).empty());
    EXPECT_EQ(ListFolder(""), ListFolder("./"));
    AddFile("b.txt");
    AddFile("a.txt");
    AddFile(".keep");
    AddFile("Speedrun/Timer.txt");
    AddFile("Speedrun/Deeper/Clock.txt");
    AddFile(".hidden/Secret.txt");
    fs::create_directories(root / "Empty");
    const Names expected = {".keep", "Speedrun/Deeper/Clock.txt", "Speedrun/Timer.txt", "a.txt",
                            "b.txt"};
    EXPECT_EQ(ListFolder(root.string()), expected);
    EXPECT_EQ(ListFolder(root.string() + "/"), expected);
}

TEST_F(ListFolderTree, LinksToFoldersAreNotFollowed)
{
    AddFile("real/file.txt");
    AddFile("target.txt");
    fs::create_directory_symlink(root, root / "loop");
    fs::create_symlink(root / "target.txt", root / "alias.txt");
    const Names expected = {"alias.txt", "real/file.txt", "target.txt"};
    EXPECT_EQ(ListFolder(root.string()), expected);
}

TEST_F(ListFolderTree, MissingFolderNamesThePathWithItsSlash)
{
    const std::string missing = (root / "absent").string();
    EXPECT_EQ(Orvex::ErrorOf([&] { ListFolder(missing); }), "Couldn't find directory: " + missing + "/");
}
