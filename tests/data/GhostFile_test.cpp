#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "data/GhostFile.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
std::string ParseError(const std::string& text)
{
    return ErrorOf([&] { ParseGhost(text, "my.ghost"); });
}

TEST(GhostFile, PosesAreWrittenExactlyAndReadBackThroughAFile)
{
    GhostTrack track{"Level1Forest",
                     {{"wuffinImpact_1", {0.1f, -1.0f / 3.0f}, 0.7853982f, {1.2f, -1.6f}},
                      {"wuffinFall_2", {1e-8f, 12345.678f}, -3.1f, {1.2f, 1.6f}}}};
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("ghost-" + std::to_string(getpid()) + ".ghost"))
                                 .string();
    WriteGhost(path, track);
    const GhostTrack back = ReadGhost(path);
    std::filesystem::remove(path);
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
    const std::string pose = "\"<texture> <x> <y> <rotation> <scale x> <scale y>\", not ";
    const std::pair<std::string, std::string> cases[] = {
        {"", "my.ghost:1: the file ends before its first line, \"TumboWuffinGhost 1\""},
        {"TumboWuffinRun 1\n", "my.ghost:1: not a ghost file: the first line is not "
                               "\"TumboWuffinGhost 1\""},
        {"TumboWuffinGhost 1\nLevel=\n",
         "my.ghost:2: expected the level, \"Level=<level name>\", not \"Level=\""},
        {"TumboWuffinGhost 1\nLevel=A\nt 1 2 3 4\n", "my.ghost:3: expected a pose, " + pose + "\"t 1 2 3 4\""},
        {"TumboWuffinGhost 1\nLevel=A\nt 1 2 3 4 5\nt 1 2 nan 4 5\n",
         "my.ghost:4: expected a pose, " + pose + "\"t 1 2 nan 4 5\""},
        {"TumboWuffinGhost 1\nLevel=A\nt 1 2 3 4 5 6\n",
         "my.ghost:3: expected a pose, " + pose + "\"t 1 2 3 4 5 6\""},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ParseError(text), error) << text;
}
} // namespace
} // namespace Orvex
