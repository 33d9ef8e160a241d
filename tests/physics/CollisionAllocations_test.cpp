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
// A 40-cell row of 3 × 1 platforms, each with a unit crate above it; sunk crates
// rest 0.1 deep in their platform's top, the others float clear.
class CrateRow : public ::testing::Test
{
protected:
    static constexpr int cells = 40;

    void Build(bool sunk)
    {
        for (int i = 0; i < cells; ++i)
        {
            const float x = 6.0f * static_cast<float>(i);
            world.Box("Platform", {{x, 0.0f}, {3.0f, 1.0f}});
            Track(world.Box("Crate", {{x, sunk ? 0.9f : 2.5f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}}));
        }
    }
    // Near misses the narrow phase must look at: a crate wholly inside a hall,
    // two diamonds whose boxes overlap at a corner while their outlines do not,
    // and a pebble above a ramp's slope, inside the ramp's box.
    void AddNearMisses()
    {
        world.Box("Hall", {{-20.0f, 0.0f}, {4.0f, 4.0f}});
        world.Box("Mouse", {{-20.0f, 0.0f}, {1.0f, 1.0f}, false});
        cMesh* diamond = world.Keep(Polygon({{0.0f, -0.5f}, {0.5f, 0.0f}, {0.0f, 0.5f}, {-0.5f, 0.0f}}));
        world.Shape("Kite", diamond, {{-30.0f, 0.0f}, {1.0f, 1.0f}, false});
        world.Shape("Kite", diamond, {{-29.2f, 0.8f}, {1.0f, 1.0f}, false});
        world.Shape("Ramp", world.Keep(Ramp()), {{-40.0f, 0.0f}, {1.0f, 1.0f}, false});
        world.Box("Pebble", {{-40.6f, 0.4f}, {0.2f, 0.2f}});
    }
    // Restore puts the entity back where it is now, as fast as it is now.
    void Track(Entity* entity)
    {
        tracked.push_back({entity, TransformOf(entity).position, BodyOf(entity).velocity});
    }
    void Restore()
    {
        for (const Placement& placement : tracked)
        {
            TransformOf(placement.entity).position = placement.position;
            BodyOf(placement.entity).velocity = placement.velocity;
        }
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
    MessageSystem& Messages() { return *world.State().Messages(); }

    struct Placement
    {
        Entity* entity;
        tvec2 position;
        tvec2 velocity;
    };
    PhysicsWorld world;
    CollisionsSystem collisions;
    std::vector<Placement> tracked;
};

TEST_F(CrateRow, PassWithoutContactsAllocatesNothingOnceWarm)
{
    Build(false);
    AddNearMisses();
    Pass();
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(Pass(), 0u) << "frame " << frame;
    EXPECT_EQ(Messages().QueuedCount(), 0u);
}

TEST_F(CrateRow, PassWithContactsAllocatesOnlyWhatItsPostsDo)
{
    Build(true);
    AddNearMisses();
    // Two moving crates, corner in corner: the pair is visited from both sides.
    Track(world.Box("Left", {{-50.0f, 0.0f}, {1.0f, 1.0f}, false}));
    Track(world.Box("Right", {{-49.1f, 0.8f}, {1.0f, 1.0f}, false}));
    for (int frame = 0; frame < 2; ++frame)
    {
        Restore();
        Pass();
        Messages().DeliverAll();
    }
    Restore();
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

TEST_F(CrateRow, PhysicsStepAllocatesNothing)
{
    Build(false);
    world.SetGravitySpeed(10.0f);
    PhysicsSystem physics;
    EXPECT_EQ(AllocationsOf([&] { physics.Update(1.0f / 60.0f); }), 0u);
}
} // namespace
} // namespace Orvex
