#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "data/RunFile.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;
using namespace RunKeys;

const std::string header = "TumboWuffinRun 1\nLevel=Level2Bounce\nSeed=7\n";

std::string ParseError(const std::string& text)
{
    return ErrorOf([&] { ParseRun(text, "my.run"); });
}

TEST(RunFile, KeysAreWrittenAsGroupsOfStepsAndReadBack)
{
    RecordedRun run;
    run.level = "Level2Bounce";
    run.seed = 18446744073709551615ull;
    run.keys = {0, 0, Right, Right, Right, Left | Right, Space, Left | Space};
    const std::string text = RunText(run);
    EXPECT_EQ(text, "TumboWuffinRun 1\nLevel=Level2Bounce\nSeed=18446744073709551615\n"
                    "2 -\n3 R\n1 LR\n1 S\n1 LS\n");
    const RecordedRun back = ParseRun(text, "my.run");
    EXPECT_EQ(back.level, run.level);
    EXPECT_EQ(back.seed, run.seed);
    EXPECT_EQ(back.keys, run.keys);
}

TEST(RunFile, KeysInAnyOrderWindowsLineEndsAndBlankLinesRead)
{
    const RecordedRun run = ParseRun("TumboWuffinRun 1\r\nLevel=A\r\nSeed=0\r\n\r\n2 SRL\r\n\n1 -\r\n", "x");
    EXPECT_EQ(run.level, "A");
    EXPECT_EQ(run.seed, 0u);
    EXPECT_EQ(run.keys, (std::vector<std::uint8_t>{All, All, 0}));
    EXPECT_TRUE(ParseRun(header, "x").keys.empty());
}

TEST(RunFile, AMalformedOrForeignFileIsNamedWithItsLine)
{
    const struct
    {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "my.run:1: the file ends before its first line, \"TumboWuffinRun 1\""},
        {"LevelData:\n{\n", "my.run:1: not a recorded run: the first line is \"LevelData:\", not "
                            "\"TumboWuffinRun 1\""},
        {"TumboWuffinRun 2\nLevel=A\nSeed=1\n",
         "my.run:1: run format version \"2\" is not one this game reads (it reads TumboWuffinRun 1)"},
        {"TumboWuffinRun 1\n", "my.run:2: the file ends before the level (\"Level=<level name>\")"},
        {"TumboWuffinRun 1\nLevel=\n",
         "my.run:2: expected the level, \"Level=<level name>\", not \"Level=\""},
        {"TumboWuffinRun 1\nLevel=A\tB\n", "my.run:2: the level name holds a control character"},
        {"TumboWuffinRun 1\nLevel=A\n", "my.run:3: the file ends before the seed (\"Seed=<whole number>\")"},
        {"TumboWuffinRun 1\nLevel=A\nSeed=-1\n", "my.run:3: expected the seed, \"Seed=<whole number "
                                                 "from 0 to 18446744073709551615>\", not \"Seed=-1\""},
        {"TumboWuffinRun 1\nLevel=A\nSeed=18446744073709551616\n",
         "my.run:3: expected the seed, \"Seed=<whole number from 0 to 18446744073709551615>\", not "
         "\"Seed=18446744073709551616\""},
        {header + "12\n", "my.run:4: expected a step count and the keys held, as in \"12 LR\", not \"12\""},
        {header + "\n\nL 12\n",
         "my.run:6: expected a step count and the keys held, as in \"12 LR\", not \"L 12\""},
        {header + "-3 L\n",
         "my.run:4: expected a step count and the keys held, as in \"12 LR\", not \"-3 L\""},
        {header + "0 L\n", "my.run:4: a step count of 0 in \"0 L\""},
        {header + "3 LX\n", "my.run:4: unknown key \"X\" (the keys are L, R and S, or - for none)"},
        {header + "3  L\n", "my.run:4: unknown key \" \" (the keys are L, R and S, or - for none)"},
        {header + "3 RLR\n", "my.run:4: the key R is given twice"},
        {header + "216001 L\n",
         "my.run:4: the run is longer than an hour at 60 steps a second (216000 steps)"},
        {header + "216000 L\n1 R\n",
         "my.run:5: the run is longer than an hour at 60 steps a second (216000 steps)"},
        {header + "99999999999999999999999999 L\n",
         "my.run:4: the run is longer than an hour at 60 steps a second (216000 steps)"},
        {header + "2 " + std::string(60, 'Q') + "\n",
         "my.run:4: unknown key \"Q\" (the keys are L, R and S, or - for none)"},
        {std::string(60, 'x') + "\n", "my.run:1: not a recorded run: the first line is \"" +
                                          std::string(40, 'x') + "...\", not \"TumboWuffinRun 1\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseError(c.text), c.error) << c.text;
}

class RunFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("run_file_test_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    static std::string ErrorOfReading(const std::string& path)
    {
        return ErrorOf([&] { ReadRun(path); });
    }

    fs::path folder;
};

TEST_F(RunFiles, AWrittenRunReadsBackAndErrorsNameThePath)
{
    RecordedRun run{"Level3GhostShip", 42, {Left, Left, 0, Space}};
    WriteRun(Path("ghost.run"), run);
    const RecordedRun back = ReadRun(Path("ghost.run"));
    EXPECT_EQ(back.level, "Level3GhostShip");
    EXPECT_EQ(back.seed, 42u);
    EXPECT_EQ(back.keys, run.keys);

    std::ofstream(Path("bad.run")) << "TumboWuffinRun 1\nLevel=A\nSeed=1\n4 Z\n";
    EXPECT_EQ(ErrorOfReading(Path("bad.run")),
              Path("bad.run") + ":4: unknown key \"Z\" (the keys are L, R and S, or - for none)");
    EXPECT_EQ(ErrorOfReading(Path("none.run")), "Could not open the run file: " + Path("none.run"));
    EXPECT_EQ(ErrorOfReading(folder.string()), "Could not open the run file: " + folder.string());
}

TEST_F(RunFiles, AFailedWriteLeavesTheOldFile)
{
    fs::create_directories(folder / "taken.run.saving"); // the temporary cannot be made
    std::ofstream(Path("taken.run")) << "old";
    EXPECT_EQ(ErrorOf([&] { WriteRun(Path("taken.run"), RecordedRun{"A", 1, {}}); }),
              "Could not write the run file: " + Path("taken.run") + " (Is a directory)");
    std::ifstream in(Path("taken.run"));
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "old");
}
} // namespace
} // namespace Orvex
