#include "memory/MemoryManager.h"

#include <string>

namespace Orvex
{
static_assert(8u << (MemoryManager::PoolCount - 1) == MemoryManager::LargestObject);

void MemoryManager::RejectSize()
{
    throw std::string("Too much space requested for object allocation.");
}

OABase& MemoryManager::Pool(unsigned index)
{
    if (index >= PoolCount)
        throw std::string("No memory pool with index " + std::to_string(index) + ".");
    return *VisitPool(index, [](OABase& pool) { return &pool; });
}
} // namespace Orvex
