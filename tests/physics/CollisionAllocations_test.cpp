// The collision pass and the physics step allocate nothing of their own: after a
// first pass has sized whatever it keeps, a pass costs only what its message
// posts cost.
//
// Counting needs the global operator new, so this file replaces it for the whole
// physics test executable. The replacements only count (on the calling thread,
// so that a library's own threads cannot spoil a figure) and forward to malloc
// and free; every form that could pair with another is replaced, so new and
// delete stay matched for the address checker and the other tests run as before.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "PhysicsWorld.h"
#include "physics/CollisionsSystem.h"
#include "physics/ContactRecord.h"
#include "physics/PhysicsSystem.h"

namespace
{
thread_local std::size_t allocations = 0;

void* CountedOrNull(std::size_t size) noexcept
{
    ++allocations;
    return std::malloc(size ? size : 1);
}

void* Counted(std::size_t size)
{
    if (void* block = CountedOrNull(size))
        return block;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) { return Counted(size); }
void* operator new[](std::size_t size) { return Counted(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return CountedOrNull(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return CountedOrNull(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace Orvex
{
namespace
{
// A 40-cell row of 3 × 1 platforms, each with a unit crate above it, floating
// clear, and near misses the narrow phase must look at: a crate wholly inside a
// hall, two diamonds whose boxes overlap at a corner while their outlines do
// not, and a pebble above a ramp's slope, inside the ramp's box.
class CrateRow : public ::testing::Test
{
protected:
    static constexpr int cells = 40;

    CrateRow()
    {
        for (int i = 0; i < cells; ++i)
        {
            const float x = 6.0f * static_cast<float>(i);
            world.Box("Platform", {{x, 0.0f}, {3.0f, 1.0f}});
            crates.push_back(world.Box("Crate", {{x, 2.5f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}}));
        }
        world.Box("Hall", {{-20.0f, 0.0f}, {4.0f, 4.0f}});
        world.Box("Mouse", {{-20.0f, 0.0f}, {1.0f, 1.0f}, false});
        cMesh* diamond = world.Keep(Polygon({{0.0f, -0.5f}, {0.5f, 0.0f}, {0.0f, 0.5f}, {-0.5f, 0.0f}}));
        world.Shape("Kite", diamond, {{-30.0f, 0.0f}, {1.0f, 1.0f}, false});
        world.Shape("Kite", diamond, {{-29.2f, 0.8f}, {1.0f, 1.0f}, false});
        world.Shape("Ramp", world.Keep(Ramp()), {{-40.0f, 0.0f}, {1.0f, 1.0f}, false});
        world.Box("Pebble", {{-40.6f, 0.4f}, {0.2f, 0.2f}});
    }
    template <class Work> static std::size_t AllocationsOf(Work work)
    {
        const std::size_t before = allocations;
        work();
        return allocations - before;
    }
    std::size_t Pass()
    {
        return AllocationsOf([this] { collisions.Update(0.0f); });
    }
    // Every crate sunk 0.1 into its platform's top, falling, and two moving
    // crates corner in corner (a pair visited from both sides).
    void Sink()
    {
        for (Entity* crate : crates)
        {
            TransformOf(crate).position.y = 0.9f;
            BodyOf(crate).velocity = {0.0f, -2.0f};
        }
        TransformOf(left).position = {-50.0f, 0.0f};
        TransformOf(right).position = {-49.1f, 0.8f};
    }
    MessageSystem& Messages() { return *world.State().Messages(); }

    PhysicsWorld world;
    CollisionsSystem collisions;
    std::vector<Entity*> crates;
    Entity* left = world.Box("Left", {{-50.0f, 0.0f}, {1.0f, 1.0f}, false});
    Entity* right = world.Box("Right", {{-60.0f, 0.8f}, {1.0f, 1.0f}, false});
};

// Once warm, a pass without contacts allocates nothing, one with contacts only
// what its message posts do, and the physics step nothing.
TEST_F(CrateRow, PassesAllocateOnlyWhatTheirPostsDo)
{
    Pass();
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(Pass(), 0u) << "frame " << frame;
    EXPECT_EQ(Messages().QueuedCount(), 0u);
    world.SetGravitySpeed(10.0f);
    PhysicsSystem physics;
    EXPECT_EQ(AllocationsOf([&] { physics.Update(1.0f / 60.0f); }), 0u);

    for (int frame = 0; frame < 2; ++frame)
    {
        Sink();
        Pass();
        Messages().DeliverAll();
    }
    Sink();
    const std::size_t byPass = Pass();
    const std::size_t posted = Messages().QueuedCount();
    ASSERT_EQ(posted, 2u * cells + 2u); // every landing and the crate pair, once each
    Messages().DeliverAll();
    const CollisionMessage message{};
    const std::size_t byPosts = AllocationsOf([&] {
        for (std::size_t i = 0; i < posted; ++i)
            world.engine.SendMessage(MSG_COLLISION, &message);
    });
    EXPECT_EQ(byPass, byPosts);
    RecordProperty("messages", static_cast<int>(posted));
    RecordProperty("allocations", static_cast<int>(byPass));
}
} // namespace
} // namespace Orvex
