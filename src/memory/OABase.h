#pragma once
// The interface of a block pool, and its counters.

#include <cstddef>
#include <cstdint>

namespace Orvex
{
struct OAStats
{
    unsigned freeCount = 0;          // blocks on the free list
    unsigned inUse = 0;              // blocks handed out and not returned
    unsigned pages = 0;              // pages allocated
    unsigned mostInUse = 0;          // the largest value inUse has reached
    unsigned allocations = 0;        // Allocate calls served
    unsigned frees = 0;              // Free calls served
    std::uint64_t bytesRequested = 0; // sum of the sizes passed to Allocate
};

class OABase
{
public:
    virtual ~OABase();
    // A zeroed block for an object of `size` bytes.
    virtual void* Allocate(std::size_t size) = 0;
    // Takes back a block that this pool's Allocate handed out.
    virtual void Free(void* block) = 0;
    virtual OAStats Stats() const = 0;
};
} // namespace Orvex
