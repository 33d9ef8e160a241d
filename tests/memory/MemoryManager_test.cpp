#include "memory/MemoryManager.h"

#include "memory/OABase.h"
#include "memory/OAException.h"
#include "support/ErrorOf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace Orvex;

namespace
{
MemoryManager& Manager()
{
    return MemoryManager::Get();
}

OAStats StatsOf(unsigned pool)
{
    return Manager().Pool(pool).Stats();
}

// Frees from its destructor at process exit, like a static container of engine
// objects would.
struct FreesAtExit
{
    void* block = nullptr;
    ~FreesAtExit()
    {
        if (block)
            MemoryManager::Get().Free(block);
    }
};
FreesAtExit freesAtExit;

struct Counted
{
    static int alive;
    Counted() { ++alive; }
    virtual ~Counted() { --alive; }
};
int Counted::alive = 0;

struct Left
{
    virtual ~Left() = default;
};

struct Right
{
    virtual ~Right() = default;
    std::uint64_t right = 2;
};

struct Both : Left, Counted, Right
{
};

struct ThrowsOnConstruction
{
    ThrowsOnConstruction() { throw std::string("no"); }
    char payload[40];
};
} // namespace

// A request goes to the pool of its size class and back to it when freed; an
// empty pool gets a new page; sizes no pool serves are refused.
TEST(MemoryManagerAllocate, EachSizeComesFromItsPowerOfTwoPoolAndGoesBackThere)
{
    const struct
    {
        std::size_t size;
        unsigned pool;
    } cases[] = {{1, 0}, {8, 0}, {9, 1}, {16, 1}, {17, 2}, {24, 2}, {2048, 8}, {2049, 9}, {4096, 9}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(MemoryManager::SizeClass(c.size), c.pool) << "size " << c.size;
        const OAStats before = StatsOf(c.pool);
        std::vector<void*> blocks(before.freeCount + 1);
        for (void*& block : blocks)
            block = Manager().Allocate(c.size);
        EXPECT_EQ(StatsOf(c.pool).allocations, before.allocations + blocks.size()) << "size " << c.size;
        EXPECT_EQ(StatsOf(c.pool).bytesRequested, before.bytesRequested + blocks.size() * c.size);
        EXPECT_EQ(StatsOf(c.pool).pages, before.pages + 1) << "size " << c.size;
        for (void* block : blocks)
            Manager().Free(block);
        EXPECT_EQ(StatsOf(c.pool).frees, before.frees + blocks.size()) << "size " << c.size;
        EXPECT_EQ(StatsOf(c.pool).inUse, before.inUse) << "size " << c.size;
    }
    // The last would wrap to 8 bytes in 32-bit arithmetic.
    for (const std::size_t size : {std::size_t(4097), std::size_t(0), (std::size_t(1) << 32) + 8})
    {
        EXPECT_GE(MemoryManager::SizeClass(size), 10u) << "size " << size;
        EXPECT_EQ(ErrorOf([&] { Manager().Allocate(size); }), "Too much space requested for object allocation.");
    }
    EXPECT_EQ(ErrorOf([] { Manager().Pool(10); }), "No memory pool with index 10.");
}

// Sizes taken from memory, so the manager zeroes with a size it only learns at
// run time (the path that objects of a known type do not take).
TEST(MemoryManagerAllocate, ZeroesExactlyTheObjectForEverySizeClass)
{
    volatile std::size_t sizes[MemoryManager::PoolCount];
    for (unsigned pool = 0; pool < MemoryManager::PoolCount; ++pool)
        sizes[pool] = std::size_t(8) << pool;
    for (unsigned pool = 0; pool < MemoryManager::PoolCount; ++pool)
    {
        const std::size_t size = sizes[pool];
        auto* upper = static_cast<unsigned char*>(Manager().Allocate(size));
        auto* lower = static_cast<unsigned char*>(Manager().Allocate(size));
        std::memset(upper, 0xEE, size);
        std::memset(lower, 0xEE, size);
        Manager().Free(lower);
        ASSERT_EQ(Manager().Allocate(size), lower) << "size " << size;
        EXPECT_EQ(std::vector<unsigned char>(lower, lower + size), std::vector<unsigned char>(size, 0))
            << "size " << size;
        // Fresh from a page's free list, lower lies just below upper.
        EXPECT_EQ(std::vector<unsigned char>(upper, upper + size), std::vector<unsigned char>(size, 0xEE))
            << "size " << size;
        Manager().Free(lower);
        EXPECT_NO_THROW(Manager().Free(upper)) << "size " << size << ": header or pads overwritten";
    }
}

// A second free and a foreign pointer are refused before any pool is chosen (a
// pool checks the rest of what it is given back); a null block is ignored.
TEST(MemoryManagerFree, MisusedBlocksThrowAndNullIsIgnored)
{
    void* block = Manager().Allocate(100);
    Manager().Free(block);
    try
    {
        Manager().Free(block);
        FAIL() << "freed twice without an error";
    }
    catch (const OAException& error)
    {
        EXPECT_EQ(error.Code(), OAException::DoubleFree);
        EXPECT_STREQ(error.what(), "Block freed twice.");
    }
    unsigned char foreign[64];
    std::memset(foreign, 0x7F, sizeof foreign);
    EXPECT_THROW(Manager().Free(foreign + 32), OAException);
    const OAStats small = StatsOf(0);
    Manager().Free(nullptr);
    Delete(static_cast<Counted*>(nullptr));
    EXPECT_EQ(StatsOf(0).frees, small.frees);
}

TEST(MemoryManagerLifetime, StaticObjectCanFreeIntoItAtExit)
{
    // The manager must still exist when freesAtExit is destroyed: its leak report
    // would otherwise name the block first.
    EXPECT_EXIT(
        {
            freesAtExit.block = MemoryManager::Get().Allocate(3000);
            std::exit(0);
        },
        testing::ExitedWithCode(0), testing::Not(testing::HasSubstr("blocks of size 4096")));
}

// Delete finds the block from any base; a failed construction returns it.
TEST(MemoryManagerObjects, DeleteThroughAnyBaseAndAFailedConstructionReturnTheBlock)
{
    const unsigned pool = MemoryManager::SizeClass(sizeof(Both));
    const OAStats before = StatsOf(pool);
    Right* right = New<Both>();
    EXPECT_EQ(Counted::alive, 1);
    EXPECT_EQ(right->right, 2u);
    EXPECT_NE(static_cast<void*>(right), dynamic_cast<void*>(right));
    Delete(right);
    EXPECT_EQ(Counted::alive, 0);
    Counted* counted = New<Both>(); // the primary base too
    Delete(counted);
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(StatsOf(pool).frees, before.frees + 2);
    EXPECT_EQ(StatsOf(pool).inUse, before.inUse);

    const unsigned thrower = MemoryManager::SizeClass(sizeof(ThrowsOnConstruction));
    const OAStats beforeThrow = StatsOf(thrower);
    EXPECT_THROW(New<ThrowsOnConstruction>(), std::string);
    EXPECT_EQ(StatsOf(thrower).inUse, beforeThrow.inUse);
    EXPECT_EQ(StatsOf(thrower).frees, beforeThrow.frees + 1);
}
