#include "memory/ObjectAllocator.h"

#include "engine/Log.h"

#include <string>

namespace Orvex
{
void ReportUnfreedBlocks(const OAStats& stats, unsigned objectSize)
{
    if (stats.allocations == stats.frees)
        return;
    Log("Unfreed blocks detected! " + std::to_string(stats.allocations - stats.frees) +
        " blocks of size " + std::to_string(objectSize));
}
} // namespace Orvex
