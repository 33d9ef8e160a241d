#include "memory/MemoryManager.h"

#include "memory/ObjectAllocator.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace Orvex
{
namespace
{
template <std::size_t Index> using SizeClassPool = ObjectAllocator<(8u << Index)>;
static_assert(8u << (MemoryManager::PoolCount - 1) == MemoryManager::LargestObject);

// Every pool shares the default header layout, so any of them locates a header.
constexpr std::size_t HeaderOffset = SizeClassPool<0>::HeaderOffset;

template <std::size_t... Index>
void CreatePools(std::unique_ptr<OABase>* pools, std::index_sequence<Index...>)
{
    ((pools[Index] = std::make_unique<SizeClassPool<Index>>()), ...);
}

unsigned BinaryDigits(std::uint32_t value)
{
    return value == 0 ? 0 : 32 - static_cast<unsigned>(__builtin_clz(value));
}
} // namespace

MemoryManager& MemoryManager::Get()
{
    static MemoryManager manager;
    return manager;
}

MemoryManager::MemoryManager()
{
    CreatePools(pools, std::make_index_sequence<PoolCount>{});
}

MemoryManager::~MemoryManager()
{
    // In size order, so the leak reports come smallest pool first.
    for (std::unique_ptr<OABase>& pool : pools)
        pool.reset();
}

unsigned MemoryManager::SizeClass(std::size_t size)
{
    // Clamped first: a size beyond 32 bits must not wrap into a small class.
    const std::uint32_t clamped = static_cast<std::uint32_t>(std::min<std::size_t>(size, UINT32_MAX));
    return BinaryDigits((clamped - 1) / 8);
}

void* MemoryManager::Allocate(std::size_t size)
{
    const unsigned index = SizeClass(size);
    if (index >= PoolCount)
        throw std::string("Too much space requested for object allocation.");
    return pools[index]->Allocate(size);
}

void MemoryManager::Free(void* block)
{
    if (!block)
        return;
    const BlockHeader header = BlockHeader::Read(static_cast<unsigned char*>(block) - HeaderOffset);
    const unsigned index = SizeClass(header.size);
    if (index >= PoolCount)
        header.RejectFree();
    pools[index]->Free(block);
}

OABase& MemoryManager::Pool(unsigned index)
{
    if (index >= PoolCount)
        throw std::string("No memory pool with index " + std::to_string(index) + ".");
    return *pools[index];
}
} // namespace Orvex
