#include "game/states/BestTimes.h"

#include "engine/UserFolders.h"

namespace Orvex
{
namespace
{
constexpr const char* levels = "Levels";
constexpr const char* run = "Run";
constexpr const char* splitsSection = "Splits";
constexpr float longest = 1e7f; // seconds; anything longer is no time of ours
} // namespace

BestTimes& BestTimes::Player()
{
    static BestTimes player(SettingsFile(
        DataFolder().empty() ? "" : DataFolder() + "/" + fileName, "best-times file"));
    return player;
}

std::optional<float> BestTimes::Time(const char* section, const std::string& key) const
{
    const float seconds = file.Float(section, key, -1.0f, 0.0f, longest);
    return seconds < 0.0f ? std::nullopt : std::optional<float>(seconds);
}

std::optional<float> BestTimes::LevelBest(const std::string& level) const { return Time(levels, level); }
std::optional<float> BestTimes::RunBest() const { return Time(run, "Total"); }
std::optional<float> BestTimes::Split(const std::string& level) const { return Time(splitsSection, level); }

std::optional<float> BestTimes::Reference(const std::string& level) const
{
    const std::optional<float> split = Split(level);
    return split ? split : LevelBest(level);
}

bool BestTimes::RecordLevel(const std::string& level, float seconds)
{
    const std::optional<float> best = LevelBest(level);
    if (best && *best <= seconds)
        return false;
    file.SetFloat(levels, level, seconds);
    file.Save();
    return true;
}

bool BestTimes::RecordRun(const std::vector<LevelSplit>& splits)
{
    float total = 0.0f;
    for (const LevelSplit& split : splits)
        total += split.seconds;
    const std::optional<float> best = RunBest();
    if (splits.empty() || (best && *best <= total))
        return false;
    file.Clear(splitsSection);
    for (const LevelSplit& split : splits)
        file.SetFloat(splitsSection, split.level, split.seconds);
    file.SetFloat(run, "Total", total);
    file.Save();
    return true;
}
} // namespace Orvex
