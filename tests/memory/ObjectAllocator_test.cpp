#include "memory/ObjectAllocator.h"

#include "memory/Sanitizers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace Orvex;

namespace
{
using Pool8 = ObjectAllocator<8>;
using Pool32 = ObjectAllocator<32>;
using Pool64 = ObjectAllocator<64>;
using Pool128 = ObjectAllocator<128>;

struct Layout
{
    std::size_t stride, blocksPerPage, pageBytes;
    bool operator==(const Layout& other) const
    {
        return stride == other.stride && blocksPerPage == other.blocksPerPage &&
               pageBytes == other.pageBytes;
    }
};

template <unsigned Size> Layout LayoutOf()
{
    using Pool = ObjectAllocator<Size>;
    return {Pool::Stride, Pool::BlocksPerPage, Pool::PageBytes};
}

// Not inlined: with a constant foreign or null pointer inlined into Free, the
// optimiser warns about the header write on the path the check throws out of.
template <class Pool> [[gnu::noinline]] unsigned OAErrorOf(Pool& pool, void* block)
{
    try
    {
        pool.Free(block);
    }
    catch (const OAException& error)
    {
        return error.Code();
    }
    return 0;
}
} // namespace

TEST(ObjectAllocatorLayout, MatchesThePageTableForEverySizeClass)
{
    EXPECT_EQ(LayoutOf<8>(), (Layout{24, 340, 8162}));
    EXPECT_EQ(LayoutOf<16>(), (Layout{32, 255, 8162}));
    EXPECT_EQ(LayoutOf<32>(), (Layout{48, 170, 8162}));
    EXPECT_EQ(LayoutOf<64>(), (Layout{80, 102, 8162}));
    EXPECT_EQ(LayoutOf<128>(), (Layout{144, 56, 8066}));
    EXPECT_EQ(LayoutOf<256>(), (Layout{272, 30, 8162}));
    EXPECT_EQ(LayoutOf<512>(), (Layout{528, 15, 7922}));
    EXPECT_EQ(LayoutOf<1024>(), (Layout{1040, 7, 7282}));
    EXPECT_EQ(LayoutOf<2048>(), (Layout{2064, 3, 6194}));
    EXPECT_EQ(LayoutOf<4096>(), (Layout{4112, 1, 4114}));
    EXPECT_EQ(Pool8::FirstObject, 16u);
}

TEST(ObjectAllocatorPages, The341stEightByteBlockOpensASecondPage)
{
    Pool8 pool;
    EXPECT_EQ(pool.Stats().pages, 1u);
    EXPECT_EQ(pool.Stats().freeCount, 340u);
    std::vector<void*> blocks;
    for (int i = 0; i < 340; ++i)
        blocks.push_back(pool.Allocate(8));
    EXPECT_EQ(pool.Stats().pages, 1u);
    EXPECT_EQ(pool.Stats().freeCount, 0u);
    blocks.push_back(pool.Allocate(8));
    EXPECT_EQ(pool.Stats().pages, 2u);
    EXPECT_EQ(pool.Stats().freeCount, 339u);
    for (void* block : blocks)
        pool.Free(block);
    EXPECT_EQ(pool.Stats().freeCount, 680u);
}

TEST(ObjectAllocatorPages, HandsOutThePagesLastBlockFirstThenWalksDown)
{
    Pool32 pool;
    auto* first = static_cast<unsigned char*>(pool.Allocate(32));
    auto* second = static_cast<unsigned char*>(pool.Allocate(32));
    EXPECT_EQ(first - second, static_cast<std::ptrdiff_t>(Pool32::Stride));
    EXPECT_FALSE(pool.Holds(first + Pool32::Stride)) << "the first block is the page's last";
    pool.Free(second);
    pool.Free(first);
    EXPECT_EQ(pool.Allocate(1), first) << "freed blocks are reused newest first";
    pool.Free(first);
}

TEST(ObjectAllocatorPages, PageLimitStopsGrowth)
{
    ObjectAllocator<4096, 2, 8, 8192, 1> pool;
    void* only = pool.Allocate(4096);
    try
    {
        pool.Allocate(1);
        FAIL() << "a second page was allocated";
    }
    catch (const OAException& error)
    {
        EXPECT_EQ(error.Code(), OAException::NoPages);
    }
    pool.Free(only);
}

TEST(ObjectAllocatorPages, HeapFailureThrowsTheAllocationError)
{
    SKIP_WHERE_HEAP_FAILURE_ABORTS();
    // A page far beyond any address space.
    using Huge = ObjectAllocator<(1u << 30), 2, 8, (std::size_t(1) << 50)>;
    try
    {
        Huge pool;
        FAIL() << "a petabyte page was allocated";
    }
    catch (const OAException& error)
    {
        EXPECT_EQ(error.Code(), OAException::NoMemory);
        EXPECT_STREQ(error.what(), "'new' call failed during page allocation.");
    }
}

TEST(ObjectAllocatorBlocks, AreZeroedAndEightAligned)
{
    Pool128 pool;
    auto* object = static_cast<unsigned char*>(pool.Allocate(100));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(object) % 8, 0u);
    std::memset(object, 0xFF, 128);
    pool.Free(object);
    auto* again = static_cast<unsigned char*>(pool.Allocate(128));
    ASSERT_EQ(again, object);
    EXPECT_EQ(std::vector<unsigned char>(again, again + 128), std::vector<unsigned char>(128, 0));
    pool.Free(again);
}

TEST(ObjectAllocatorBlocks, ZeroingCanBeSwitchedOff)
{
    ObjectAllocator<64, 2, 8, 8192, 0, false> pool;
    auto* object = static_cast<unsigned char*>(pool.Allocate(64));
    object[40] = 0x5A;
    pool.Free(object);
    auto* again = static_cast<unsigned char*>(pool.Allocate(64));
    ASSERT_EQ(again, object);
    EXPECT_EQ(again[40], 0x5A);
    pool.Free(again);
}

TEST(ObjectAllocatorBlocks, HeaderHoldsRequestedSizeAndInUseFlag)
{
    Pool32 pool;
    auto* object = static_cast<unsigned char*>(pool.Allocate(24));
    BlockHeader header = BlockHeader::Read(object - Pool32::HeaderOffset);
    EXPECT_EQ(header.size, 24u);
    EXPECT_EQ(header.flags, BlockHeader::InUse);
    pool.Free(object);
    header = BlockHeader::Read(object - Pool32::HeaderOffset);
    EXPECT_EQ(header.size, 0u);
    EXPECT_EQ(header.flags, 0u);
}

TEST(ObjectAllocatorBlocks, RequestLargerThanTheObjectThrows)
{
    Pool8 pool;
    EXPECT_THROW(pool.Allocate(9), OAException);
    EXPECT_EQ(pool.Stats().allocations, 0u);
}

TEST(ObjectAllocatorCounters, TrackUseAndRequests)
{
    Pool32 pool;
    void* a = pool.Allocate(17);
    void* b = pool.Allocate(32);
    void* c = pool.Allocate(1);
    pool.Free(b);
    OAStats stats = pool.Stats();
    EXPECT_EQ(stats.allocations, 3u);
    EXPECT_EQ(stats.frees, 1u);
    EXPECT_EQ(stats.inUse, 2u);
    EXPECT_EQ(stats.mostInUse, 3u);
    EXPECT_EQ(stats.freeCount, 168u);
    EXPECT_EQ(stats.bytesRequested, 50u);
    pool.Free(a);
    pool.Free(c);
    void* d = pool.Allocate(8);
    stats = pool.Stats();
    EXPECT_EQ(stats.mostInUse, 3u) << "the high-water mark does not fall";
    EXPECT_EQ(stats.inUse, 1u);
    EXPECT_EQ(stats.freeCount, 169u);
    pool.Free(d);
}

TEST(ObjectAllocatorMisuse, DoubleFreeThrowsAndLeavesTheFreeListIntact)
{
    Pool64 pool;
    void* block = pool.Allocate(64);
    pool.Free(block);
    EXPECT_EQ(OAErrorOf(pool, block), OAException::DoubleFree);
    EXPECT_EQ(pool.Stats().frees, 1u);
    void* a = pool.Allocate(64);
    void* b = pool.Allocate(64);
    EXPECT_NE(a, b) << "a block on the free list twice is handed out twice";
    pool.Free(a);
    pool.Free(b);
}

TEST(ObjectAllocatorMisuse, ForeignInnerAndOverrunBlocksThrowAndCountNoFree)
{
    Pool64 pool;
    std::vector<unsigned char> foreign(256, 0xAB);
    EXPECT_EQ(OAErrorOf(pool, foreign.data() + 64), OAException::BadAddress);
    EXPECT_EQ(OAErrorOf(pool, nullptr), OAException::BadAddress);
    auto* object = static_cast<unsigned char*>(pool.Allocate(64));
    EXPECT_FALSE(pool.Holds(object + 8));
    EXPECT_NE(OAErrorOf(pool, object + 8), 0u);
    object[64] = 1;
    EXPECT_EQ(OAErrorOf(pool, object), OAException::CorruptedBlock);
    EXPECT_EQ(pool.Stats().frees, 0u);
    object[64] = 0;
    pool.Free(object);
}

TEST(ObjectAllocatorMisuse, PlausibleBlockOfAnotherPoolThrowsInDebugBuilds)
{
#ifdef NDEBUG
    GTEST_SKIP() << "the page walk runs in debug builds only";
#else
    Pool64 pool, other;
    void* block = other.Allocate(64);
    EXPECT_TRUE(other.Holds(block));
    EXPECT_FALSE(pool.Holds(block));
    EXPECT_EQ(OAErrorOf(pool, block), OAException::BadAddress);
    other.Free(block);
#endif
}

TEST(ObjectAllocatorLeakReport, SilentWhenEverythingCameBackOtherwiseCountsTheBlocksLeft)
{
    testing::internal::CaptureStderr();
    {
        Pool128 pool;
        pool.Free(pool.Allocate(128));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    testing::internal::CaptureStderr();
    {
        Pool128 pool;
        for (int i = 0; i < 3; ++i)
            pool.Allocate(128);
        pool.Free(pool.Allocate(64));
    }
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                testing::MatchesRegex("\\[[0-9:.]+\\] Unfreed blocks detected! 3 blocks of size 128\n"));
}
