#pragma once
// The moving part of a block pool: its counters, its page and free lists, and the
// constant-time take and give of one block. The object size comes in as an
// argument, so one body serves both the typed pool (which passes its constant, and
// gets code specialised for it) and the memory manager's path for sizes known only
// at run time, which then reaches any pool without a jump on the size class: a
// random mix of sizes would mispredict that jump on almost every call.

#include "memory/BlockHeader.h"
#include "memory/OABase.h"
#include "memory/OAException.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Orvex
{
// Objects up to this size are zeroed by inline stores. For larger ones compilers
// expand a memset into a string instruction that is slow to start, so they are
// zeroed by the library's memset behind a call.
constexpr std::size_t InlineZeroBytes = 64;
void ZeroBytes(void* bytes, std::size_t count);

// Page and free-list links sit at places whose type the compiler does not know;
// copying them keeps that well defined.
inline unsigned char* LoadLink(const unsigned char* at)
{
    unsigned char* link;
    std::memcpy(&link, at, sizeof link);
    return link;
}

inline void StoreLink(unsigned char* at, const unsigned char* link)
{
    std::memcpy(at, &link, sizeof link);
}

// PadBytes: zero bytes on each side of every object.
template <unsigned PadBytes> struct PoolCore
{
    // From the start of a block's header to its object.
    static constexpr std::size_t HeaderOffset = BlockHeader::Bytes + PadBytes;

    unsigned char* pageList = nullptr; // newest page; each page's first word links the next older
    unsigned char* freeList = nullptr; // first free object; each one's first word links the next
    // Counted on the fast path; the other counters of OAStats follow from these.
    unsigned allocations = 0;
    unsigned frees = 0;
    unsigned mostInUse = 0;
    std::uint64_t bytesRequested = 0;
    unsigned pages = 0;
    unsigned blocks = 0; // on all pages

    OAStats Stats() const
    {
        const unsigned inUse = allocations - frees;
        return {blocks - inUse, inUse, pages, mostInUse, allocations, frees, bytesRequested};
    }

    // Hands out the first free block (the free list must not be empty) for an
    // object of `size` bytes, at most objectSize.
    unsigned char* Take(std::size_t size, std::size_t objectSize, bool zero)
    {
        unsigned char* object = freeList;
        freeList = LoadLink(object);
        if (zero)
            Zero(object, objectSize);
        BlockHeader::Write(object - HeaderOffset, static_cast<std::uint32_t>(size), BlockHeader::InUse);
        // In use as the difference of two counters, so that a pair stores no third;
        // the high-water mark is stored only when it rises.
        const unsigned inUse = ++allocations - frees;
        if (inUse > mostInUse)
            mostInUse = inUse;
        bytesRequested += size;
        return object;
    }

    // Throws instead of letting a bad return corrupt the free list: null, a block
    // already free, a header no block of this size has, or overwritten pads.
    static void CheckReturnable(const unsigned char* object, std::size_t objectSize)
    {
        if (!object)
            throw OAException(OAException::BadAddress);
        const BlockHeader header = BlockHeader::Read(object - HeaderOffset);
        if (header.flags != BlockHeader::InUse || header.size > objectSize)
            BlockHeader::RejectFree(header.size, header.flags);
        unsigned char pads = 0;
        for (unsigned i = 0; i < PadBytes; ++i)
            pads |= (object - PadBytes)[i] | (object + objectSize)[i];
        if (pads != 0)
            throw OAException(OAException::CorruptedBlock);
    }

    // Takes back a block that passed CheckReturnable.
    void Give(unsigned char* object)
    {
        BlockHeader::Write(object - HeaderOffset, 0, 0);
        StoreLink(object, freeList);
        freeList = object;
        ++frees;
    }

    // Links a zeroed page and pushes its blocks in address order, so the page's
    // last block is handed out first.
    void AddPage(unsigned char* page, std::size_t firstObject, std::size_t stride, unsigned count)
    {
        StoreLink(page, pageList);
        pageList = page;
        for (unsigned i = 0; i < count; ++i)
        {
            unsigned char* object = page + firstObject + i * stride;
            StoreLink(object, freeList);
            freeList = object;
        }
        blocks += count;
        ++pages;
    }

private:
    static void Zero(unsigned char* object, std::size_t objectSize)
    {
        if (objectSize <= InlineZeroBytes)
            ZeroSmall(object, objectSize);
        else
            ZeroBytes(object, objectSize);
    }

    // Overlapping word stores for 8 to 64 bytes. A memset of a size known only at
    // run time (the manager's path) becomes a string instruction that costs more
    // than the whole rest of an allocate and free; with a constant size the
    // branches fold away.
    static void ZeroSmall(unsigned char* object, std::size_t objectSize)
    {
        static constexpr unsigned char zeros[16] = {};
        if (objectSize <= 16)
        {
            std::memcpy(object, zeros, 8);
            std::memcpy(object + objectSize - 8, zeros, 8);
            return;
        }
        std::memcpy(object, zeros, 16);
        std::memcpy(object + objectSize - 16, zeros, 16);
        if (objectSize <= 32)
            return;
        std::memcpy(object + 16, zeros, 16);
        std::memcpy(object + objectSize - 32, zeros, 16);
    }
};
} // namespace Orvex
