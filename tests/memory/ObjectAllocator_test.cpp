#include "memory/ObjectAllocator.h"

#include "memory/Sanitizers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace Orvex;

namespace
{
template <class Work> unsigned CodeOf(Work work)
{
    try
    {
        work();
    }
    catch (const OAException& error)
    {
        return error.Code();
    }
    return 0;
}

// Not inlined: with a constant foreign or null pointer inlined into Free, the
// optimiser warns about the header write on the path the check throws out of.
template <class Pool> [[gnu::noinline]] unsigned FreeErrorOf(Pool& pool, void* block)
{
    return CodeOf([&] { pool.Free(block); });
}

// The page's last block goes first, then down the page; the 341st eight-byte
// block opens a second page; freed blocks are reused newest first; the counters
// follow, the high-water mark never falls.
TEST(ObjectAllocatorPages, BlocksComeDownThePageAndANewPageOpensWhenItIsFull)
{
    ObjectAllocator<8> pool;
    EXPECT_EQ(pool.Stats().pages, 1u);
    std::vector<unsigned char*> blocks;
    for (int i = 0; i < 340; ++i)
        blocks.push_back(static_cast<unsigned char*>(pool.Allocate(i % 8 + 1)));
    EXPECT_EQ(blocks[0] - blocks[1], 24);
    EXPECT_FALSE(pool.Holds(blocks[0] + 24)) << "the first block is the page's last";
    EXPECT_EQ(pool.Stats().freeCount, 0u);
    blocks.push_back(static_cast<unsigned char*>(pool.Allocate(8)));
    OAStats stats = pool.Stats();
    EXPECT_EQ(stats.pages, 2u);
    EXPECT_EQ(stats.freeCount, 339u);
    EXPECT_EQ(stats.allocations, 341u);
    EXPECT_EQ(stats.bytesRequested, 1522u + 8u); // 1..8 over and over, then 8
    pool.Free(blocks[1]);
    pool.Free(blocks[0]);
    EXPECT_EQ(pool.Allocate(1), blocks[0]) << "freed blocks are reused newest first";
    stats = pool.Stats();
    EXPECT_EQ(stats.frees, 2u);
    EXPECT_EQ(stats.inUse, 340u);
    EXPECT_EQ(stats.mostInUse, 341u) << "the high-water mark does not fall";
    blocks.erase(blocks.begin() + 1);
    for (unsigned char* block : blocks)
        pool.Free(block);
    EXPECT_EQ(pool.Stats().freeCount, 680u);
}

TEST(ObjectAllocatorPages, PageLimitAndHeapFailureThrowTheirErrors)
{
    ObjectAllocator<4096, 2, 8, 8192, 1> limited; // one block per page, one page
    void* only = limited.Allocate(4096);
    EXPECT_EQ(CodeOf([&] { limited.Allocate(1); }), OAException::NoPages);
    limited.Free(only);

    SKIP_WHERE_HEAP_FAILURE_ABORTS();
    using Huge = ObjectAllocator<(1u << 30), 2, 8, (std::size_t(1) << 50)>; // beyond any address space
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

// Blocks are eight-aligned and zeroed unless switched off; the header holds the
// requested size and the in-use flag until the block is freed; a request larger
// than the object is refused.
TEST(ObjectAllocatorBlocks, AreZeroedAlignedAndHeadedByTheirSize)
{
    ObjectAllocator<128> pool;
    auto* object = static_cast<unsigned char*>(pool.Allocate(100));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(object) % 8, 0u);
    const auto header = [&] { return BlockHeader::Read(object - ObjectAllocator<128>::HeaderOffset); };
    EXPECT_EQ(header().size, 100u);
    EXPECT_EQ(header().flags, BlockHeader::InUse);
    std::memset(object, 0xFF, 128);
    pool.Free(object);
    EXPECT_EQ(header().size, 0u);
    EXPECT_EQ(header().flags, 0u);
    ASSERT_EQ(pool.Allocate(128), object);
    EXPECT_EQ(std::vector<unsigned char>(object, object + 128), std::vector<unsigned char>(128, 0));
    pool.Free(object);
    EXPECT_EQ(CodeOf([&] { pool.Allocate(129); }), OAException::TooLarge);

    ObjectAllocator<64, 2, 8, 8192, 0, false> unzeroed;
    auto* kept = static_cast<unsigned char*>(unzeroed.Allocate(64));
    kept[40] = 0x5A;
    unzeroed.Free(kept);
    ASSERT_EQ(unzeroed.Allocate(64), kept);
    EXPECT_EQ(kept[40], 0x5A);
    unzeroed.Free(kept);
}

// A second free, a foreign, null, inner or overrun block is refused with its
// code, counts no free and leaves the free list intact.
TEST(ObjectAllocatorMisuse, BadReturnsThrowTheirCodesAndLeaveThePoolIntact)
{
    ObjectAllocator<64> pool;
    void* block = pool.Allocate(64);
    pool.Free(block);
    EXPECT_EQ(FreeErrorOf(pool, block), OAException::DoubleFree);
    std::vector<unsigned char> foreign(256, 0xAB);
    EXPECT_EQ(FreeErrorOf(pool, foreign.data() + 64), OAException::BadAddress);
    EXPECT_EQ(FreeErrorOf(pool, nullptr), OAException::BadAddress);
    auto* object = static_cast<unsigned char*>(pool.Allocate(64));
    void* other = pool.Allocate(64);
    EXPECT_NE(object, other) << "a block on the free list twice is handed out twice";
    EXPECT_FALSE(pool.Holds(object + 8));
    EXPECT_NE(FreeErrorOf(pool, object + 8), 0u);
    object[64] = 1;
    EXPECT_EQ(FreeErrorOf(pool, object), OAException::CorruptedBlock);
    EXPECT_EQ(pool.Stats().frees, 1u);
    object[64] = 0;
    pool.Free(object);
    pool.Free(other);
#ifndef NDEBUG // the page walk runs in debug builds only
    ObjectAllocator<64> elsewhere;
    void* plausible = elsewhere.Allocate(64);
    EXPECT_TRUE(elsewhere.Holds(plausible));
    EXPECT_EQ(FreeErrorOf(pool, plausible), OAException::BadAddress);
    elsewhere.Free(plausible);
#endif
}

TEST(ObjectAllocatorLeakReport, SilentWhenEverythingCameBackOtherwiseCountsTheBlocksLeft)
{
    testing::internal::CaptureStderr();
    {
        ObjectAllocator<32> pool;
        pool.Free(pool.Allocate(32));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    testing::internal::CaptureStderr();
    {
        ObjectAllocator<32> pool;
        for (int i = 0; i < 3; ++i)
            pool.Allocate(32);
        pool.Free(pool.Allocate(16));
    }
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                testing::MatchesRegex("\\[[0-9:.]+\\] Unfreed blocks detected! 3 blocks of size 32\n"));
}
} // namespace
