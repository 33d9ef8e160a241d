#pragma once
// Recorded runs: the play keys held at every fixed 60 Hz step of one level, with
// what it takes to play them back into the same run (the level and the seed of
// the random source).
//
// The file is text, one step group a line after a three-line header:
//
//     TumboWuffinRun 1
//     Level=Level1Forest
//     Seed=1
//     40 -
//     12 R
//     3 LR
//
// Each group line holds a count of steps and the keys held through them: L (lean
// left), R (lean right) and S (Space) in any order, or "-" for none.

#include <cstdint>
#include <string>
#include <vector>

namespace Orvex
{
namespace RunKeys
{
enum : std::uint8_t
{
    Left = 1,
    Right = 2,
    Space = 4,
};
constexpr std::uint8_t All = Left | Right | Space;
} // namespace RunKeys

struct RecordedRun
{
    static constexpr int formatVersion = 1;
    // One hour at 60 steps a second: more is a broken or hostile file.
    static constexpr std::size_t maxSteps = 60u * 60u * 60u;

    std::string level;
    std::uint64_t seed = 0;
    std::vector<std::uint8_t> keys; // RunKeys held during each step, first step first
};

// Errors are thrown as std::string "<fileName>:<line>: <what is wrong>".
RecordedRun ParseRun(const std::string& text, const std::string& fileName);
// Throws "Could not open the run file: " + path when it cannot be read.
RecordedRun ReadRun(const std::string& path);
std::string RunText(const RecordedRun& run);
// Through a temporary file: a failed write leaves the old file as it was.
void WriteRun(const std::string& path, const RecordedRun& run);
} // namespace Orvex
