#pragma once
// Fixed-size block pool: pages carved into equal blocks, free blocks on a list.
//
// Design: a page is one general-heap request; free blocks are linked through their
// own first word, so Allocate and Free are a handful of stores and no heap call once
// a page exists. Pages are only given back when the pool is destroyed. Each block
// carries a 5-byte header with the requested size, which lets the memory manager
// find a block's pool from the pointer alone, and an in-use flag, which turns a
// second Free of one block into an error instead of a cycle in the free list. Zero
// pad bytes on both sides of the object catch short overruns and most foreign
// pointers. Whether a pointer lies on a block of one of this pool's pages costs a
// walk of the page list, so that check runs in debug builds only. The take and
// give of blocks live in PoolCore; this template adds the page geometry.
// Rejected: a bitmap per page (Free would have to find the page first) and a
// general-purpose heap with boundary tags (fragmentation for equal-sized blocks).
//
// Page layout with the defaults (S the object size, n blocks per page):
//
//   offset        bytes  content
//   0             9      link to the next older page (pointer), rest zero
//   9             5      header: requested size (u32, 0 while free), flags (bit 0 in use)
//   14            2      front pad, zero
//   16            S      object; while free its first word links the next free block
//   16 + S        2      back pad, zero
//   18 + S        7      filler, zero; then the next header at 9 + (S + 16)
//
// The block stride is S + 16, n = (8192 - 9) / (S + 16), and the page is
// n * (S + 16) + 2 bytes (no filler after the last block).

#include "memory/PoolCore.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <new>

namespace Orvex
{
class MemoryManager;

namespace OALayout
{
constexpr std::size_t RoundUp(std::size_t bytes, std::size_t alignment)
{
    return (bytes + alignment - 1) / alignment * alignment;
}
} // namespace OALayout

// Writes the leak report of a pool that is being destroyed (nothing when every
// block came back).
void ReportUnfreedBlocks(const OAStats& stats, unsigned objectSize);

// ObjectSize: bytes per object (a multiple of Alignment, at least a pointer).
// PadBytes: zero bytes on each side of an object. Alignment: of every object, a
// power of two up to the general heap's alignment. PageBudget: most bytes per page.
// PageLimit: most pages, 0 for no limit. ZeroObjects: objects are zeroed when
// handed out.
template <unsigned ObjectSize, unsigned PadBytes = 2, unsigned Alignment = 8,
          std::size_t PageBudget = 8192, unsigned PageLimit = 0, bool ZeroObjects = true>
class ObjectAllocator final : public OABase
{
public:
    using Core = PoolCore<PadBytes>;
    static constexpr std::size_t HeaderOffset = Core::HeaderOffset;
    // From the page start to the first object: room for the page link and a header.
    static constexpr std::size_t FirstObject =
        OALayout::RoundUp(sizeof(unsigned char*) + HeaderOffset, Alignment);
    static constexpr std::size_t Stride =
        OALayout::RoundUp(HeaderOffset + ObjectSize + PadBytes, Alignment);
    static constexpr std::size_t BlocksPerPage = (PageBudget - (FirstObject - HeaderOffset)) / Stride;
    static constexpr std::size_t PageBytes =
        FirstObject + (BlocksPerPage - 1) * Stride + ObjectSize + PadBytes;

    static_assert(Alignment > 0 && (Alignment & (Alignment - 1)) == 0, "alignment is a power of two");
    static_assert(Alignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "pages come from operator new");
    static_assert(ObjectSize % Alignment == 0, "objects are whole alignment units");
    static_assert(ObjectSize >= sizeof(unsigned char*), "a free object holds the free-list link");
    static_assert(BlocksPerPage >= 1, "the page budget holds at least one block");
    static_assert(BlocksPerPage <= UINT_MAX, "block counts are unsigned");

    ObjectAllocator() { AllocatePage(); }
    ObjectAllocator(const ObjectAllocator&) = delete;
    ObjectAllocator& operator=(const ObjectAllocator&) = delete;

    ~ObjectAllocator() override
    {
        ReportUnfreedBlocks(core.Stats(), ObjectSize);
        while (core.pageList)
        {
            unsigned char* next = LoadLink(core.pageList);
            ::operator delete(core.pageList);
            core.pageList = next;
        }
    }

    void* Allocate(std::size_t size) override
    {
        if (size > ObjectSize)
            throw OAException(OAException::TooLarge);
        if (!core.freeList)
            AllocatePage();
        return core.Take(size, ObjectSize, ZeroObjects);
    }

    void Free(void* block) override
    {
        unsigned char* object = static_cast<unsigned char*>(block);
#ifndef NDEBUG
        if (!Holds(object))
            throw OAException(OAException::BadAddress);
#endif
        Core::CheckReturnable(object, ObjectSize);
        core.Give(object);
    }

    OAStats Stats() const override { return core.Stats(); }

    // Whether `block` is the object position of a block on one of this pool's pages
    // (free or not). Walks the page list.
    bool Holds(const void* block) const
    {
        const auto address = reinterpret_cast<std::uintptr_t>(block);
        for (const unsigned char* page = core.pageList; page; page = LoadLink(page))
        {
            const auto start = reinterpret_cast<std::uintptr_t>(page);
            if (address >= start + FirstObject && address < start + PageBytes)
                return (address - start - FirstObject) % Stride == 0;
        }
        return false;
    }

private:
    // The manager's inline paths work on the core directly.
    friend class MemoryManager;

    void AllocatePage()
    {
        if constexpr (PageLimit != 0)
            if (core.pages == PageLimit)
                throw OAException(OAException::NoPages);
        unsigned char* page;
        try
        {
            page = static_cast<unsigned char*>(::operator new(PageBytes));
        }
        catch (const std::bad_alloc&)
        {
            throw OAException(OAException::NoMemory);
        }
        std::memset(page, 0, PageBytes);
        core.AddPage(page, FirstObject, Stride, static_cast<unsigned>(BlocksPerPage));
    }

    Core core;
};
} // namespace Orvex
