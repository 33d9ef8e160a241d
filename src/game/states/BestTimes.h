#pragma once
// The speed run's records, in "besttimes.ini" of the player's data folder
// (UserFolders.h):
//   [Levels]  the best time of each level, in any run
//   [Run]     Total: the best whole run, from the first level to the chain's end
//   [Splits]  each level's time in that best run
// Times are seconds of the fixed 60 Hz step. A file that cannot be read is
// reported in one line and the game starts without records.

#include <optional>
#include <string>
#include <vector>

#include "data/SettingsFile.h"

namespace Orvex
{
struct LevelSplit
{
    std::string level;
    float seconds;
};

class BestTimes
{
public:
    static constexpr const char* fileName = "besttimes.ini";

    explicit BestTimes(SettingsFile file) : file(std::move(file)) {}
    // The player's records, read from the data folder on first use; in memory
    // only without one (tests and tools).
    static BestTimes& Player();

    std::optional<float> LevelBest(const std::string& level) const;
    std::optional<float> RunBest() const;
    std::optional<float> Split(const std::string& level) const;
    // What a level's time is measured against: its split in the best run, or
    // its best time when the best run does not pass it (or there is none yet).
    std::optional<float> Reference(const std::string& level) const;

    // Each keeps the new time when it is the first or lower than the kept one,
    // saves, and says whether it did.
    bool RecordLevel(const std::string& level, float seconds);
    // A whole run: its total is the sum of its splits, which replace the old ones.
    bool RecordRun(const std::vector<LevelSplit>& splits);

private:
    std::optional<float> Time(const char* section, const std::string& key) const;

    SettingsFile file;
};
} // namespace Orvex
