#pragma once
// Where finished speed runs are kept, in the player's data folder (UserFolders.h):
//   runs/<date>-<time>-<level>.run   every level a speed run finished
//   best/<level>.run, .ghost         the level's fastest run and its ghost
// Without a data folder (tests, tools) nothing is kept.

#include <string>

#include "data/GhostFile.h"
#include "data/RunFile.h"

namespace Orvex
{
namespace RunArchive
{
// The ghost file of the level's fastest run; empty without a data folder.
std::string BestGhostPath(const std::string& level);
// Keeps the run among the finished ones and, when it is the level's best, as
// its best with the ghost. A file that cannot be written is logged, and play
// goes on.
void Keep(const RecordedRun& run, const GhostTrack& ghost, bool best);
} // namespace RunArchive
} // namespace Orvex
