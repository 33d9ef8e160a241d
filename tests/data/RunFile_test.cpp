#include "data/RunFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "data/GhostFile.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;
using namespace RunKeys;

const std::string header = "TumboWuffinRun 1\nLevel=Level2Bounce\nSeed=7\n";

// A scratch folder for the runs and ghosts written and read back.
class RecordFiles : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    const fs::path folder = fs::temp_directory_path() / ("record_files_" + std::to_string(getpid()));
};

TEST_F(RecordFiles, RunKeysAreWrittenAsGroupsOfStepsAndReadBack)
{
    const RecordedRun run{"Level2Bounce", 18446744073709551615ull,
                          {0, 0, Right, Right, Right, Left | Right, Space, Left | Space}};
    EXPECT_EQ(RunText(run), "TumboWuffinRun 1\nLevel=Level2Bounce\nSeed=18446744073709551615\n"
                            "2 -\n3 R\n1 LR\n1 S\n1 LS\n");
    WriteRun(Path("my.run"), run);
    const RecordedRun back = ReadRun(Path("my.run"));
    EXPECT_EQ(back.level, run.level);
    EXPECT_EQ(back.seed, run.seed);
    EXPECT_EQ(back.keys, run.keys);

    // Keys in any order, Windows line ends and blank lines read.
    const RecordedRun loose = ParseRun("TumboWuffinRun 1\r\nLevel=A\r\nSeed=0\r\n\r\n2 SRL\r\n\n1 -\r\n", "x");
    EXPECT_EQ(loose.level, "A");
    EXPECT_EQ(loose.seed, 0u);
    EXPECT_EQ(loose.keys, (std::vector<std::uint8_t>{All, All, 0}));
    EXPECT_TRUE(ParseRun(header, "x").keys.empty());

    std::ofstream(Path("bad.run")) << header << "4 Z\n";
    EXPECT_EQ(ErrorOf([&] { ReadRun(Path("bad.run")); }),
              Path("bad.run") + ":4: unknown key \"Z\" (the keys are L, R and S, or - for none)");
    for (const std::string& unreadable : {Path("none.run"), folder.string()})
        EXPECT_EQ(ErrorOf([&] { ReadRun(unreadable); }), "Could not open the run file: " + unreadable);
}

TEST(RunFile, AMalformedOrForeignFileIsNamedWithItsLine)
{
    const std::string steps = "expected a step count and the keys held, as in \"12 LR\", not ";
    const std::string tooLong = "the run is longer than an hour at 60 steps a second (216000 steps)";
    const std::string seed = "expected the seed, \"Seed=<whole number from 0 to 18446744073709551615>\", not ";
    const std::pair<std::string, std::string> cases[] = {
        {"", "1: the file ends before its first line, \"TumboWuffinRun 1\""},
        {"LevelData:\n{\n", "1: not a recorded run: the first line is \"LevelData:\", not \"TumboWuffinRun 1\""},
        {"TumboWuffinRun 2\nLevel=A\nSeed=1\n",
         "1: run format version \"2\" is not one this game reads (it reads TumboWuffinRun 1)"},
        {std::string(60, 'x') + "\n",
         "1: not a recorded run: the first line is \"" + std::string(40, 'x') + "...\", not \"TumboWuffinRun 1\""},
        {"TumboWuffinRun 1\n", "2: the file ends before the level (\"Level=<level name>\")"},
        {"TumboWuffinRun 1\nLevel=\n", "2: expected the level, \"Level=<level name>\", not \"Level=\""},
        {"TumboWuffinRun 1\nLevel=A\tB\n", "2: the level name holds a control character"},
        {"TumboWuffinRun 1\nLevel=A\n", "3: the file ends before the seed (\"Seed=<whole number>\")"},
        {"TumboWuffinRun 1\nLevel=A\nSeed=-1\n", "3: " + seed + "\"Seed=-1\""},
        {"TumboWuffinRun 1\nLevel=A\nSeed=18446744073709551616\n", "3: " + seed + "\"Seed=18446744073709551616\""},
        {header + "12\n", "4: " + steps + "\"12\""},
        {header + "\n\nL 12\n", "6: " + steps + "\"L 12\""},
        {header + "0 L\n", "4: a step count of 0 in \"0 L\""},
        {header + "3 LX\n", "4: unknown key \"X\" (the keys are L, R and S, or - for none)"},
        {header + "3 RLR\n", "4: the key R is given twice"},
        {header + "216001 L\n", "4: " + tooLong},
        {header + "216000 L\n1 R\n", "5: " + tooLong},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ErrorOf([&text = text] { ParseRun(text, "my.run"); }), "my.run:" + error) << text;
}

TEST_F(RecordFiles, GhostPosesAreWrittenExactlyAndReadBack)
{
    const GhostTrack track{"Level1Forest",
                           {{"wuffinImpact_1", {0.1f, -1.0f / 3.0f}, 0.7853982f, {1.2f, -1.6f}},
                            {"wuffinFall_2", {1e-8f, 12345.678f}, -3.1f, {1.2f, 1.6f}}}};
    WriteGhost(Path("my.ghost"), track);
    const GhostTrack back = ReadGhost(Path("my.ghost"));
    EXPECT_EQ(back.level, "Level1Forest");
    ASSERT_EQ(back.poses.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
    {
        EXPECT_EQ(back.poses[i].texture, track.poses[i].texture);
        EXPECT_EQ(back.poses[i].position, track.poses[i].position); // bit for bit
        EXPECT_EQ(back.poses[i].rotation, track.poses[i].rotation);
        EXPECT_EQ(back.poses[i].scale, track.poses[i].scale);
    }
    EXPECT_EQ(ParseGhost("TumboWuffinGhost 1\r\nLevel=A\r\n\r\n", "x").poses.size(), 0u);
}

TEST(GhostFile, AMalformedFileIsNamedWithItsLine)
{
    const std::string pose = "expected a pose, \"<texture> <x> <y> <rotation> <scale x> <scale y>\", not ";
    const std::pair<std::string, std::string> cases[] = {
        {"TumboWuffinRun 1\n", "1: not a ghost file: the first line is not \"TumboWuffinGhost 1\""},
        {"TumboWuffinGhost 1\nLevel=\n", "2: expected the level, \"Level=<level name>\", not \"Level=\""},
        {"TumboWuffinGhost 1\nLevel=A\nt 1 2 3 4\n", "3: " + pose + "\"t 1 2 3 4\""},
        {"TumboWuffinGhost 1\nLevel=A\nt 1 2 3 4 5\nt 1 2 nan 4 5\n", "4: " + pose + "\"t 1 2 nan 4 5\""},
        {"TumboWuffinGhost 1\nLevel=A\nt 1 2 3 4 5 6\n", "3: " + pose + "\"t 1 2 3 4 5 6\""},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ErrorOf([&text = text] { ParseGhost(text, "my.ghost"); }), "my.ghost:" + error) << text;
}
} // namespace
} // namespace Orvex
