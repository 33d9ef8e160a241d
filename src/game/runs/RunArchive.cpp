#include "game/runs/RunArchive.h"

#include <ctime>
#include <filesystem>

#include "engine/Log.h"
#include "engine/UserFolders.h"

namespace Orvex
{
namespace RunArchive
{
namespace
{
// A level name as part of a file name: no folder separators, no hidden file.
std::string FilePart(std::string level)
{
    for (char& c : level)
        if (c == '/' || c == '\\')
            c = '_';
    if (!level.empty() && level[0] == '.')
        level[0] = '_';
    return level;
}

std::string Folder(const char* name)
{
    const std::string data = DataFolder();
    return data.empty() ? "" : data + "/" + name;
}

std::string Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

void MakeFolder(const std::string& folder)
{
    std::error_code ignored; // a failed write says what went wrong
    std::filesystem::create_directories(folder, ignored);
}
} // namespace

std::string BestGhostPath(const std::string& level)
{
    const std::string best = Folder("best");
    return best.empty() ? "" : best + "/" + FilePart(level) + ".ghost";
}

void Keep(const RecordedRun& run, const GhostTrack& ghost, bool best)
{
    const std::string runs = Folder("runs");
    if (runs.empty())
        return;
    try
    {
        MakeFolder(runs);
        WriteRun(runs + "/" + Now() + "-" + FilePart(run.level) + ".run", run);
        if (!best)
            return;
        const std::string ghostPath = BestGhostPath(run.level);
        MakeFolder(Folder("best"));
        WriteRun(ghostPath.substr(0, ghostPath.size() - 6) + ".run", run);
        WriteGhost(ghostPath, ghost);
    }
    catch (const std::string& problem)
    {
        LogError(problem);
    }
}
} // namespace RunArchive
} // namespace Orvex
