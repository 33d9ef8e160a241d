// Physics and collision scenes over a field of boxes: N moving unit crates among
// M static 3 × 1 platforms, one to a cell of a grid 40 cells wide. Every other
// crate whose cell holds a platform is sunk 0.1 into its top (a landing: one
// contact, two messages); the others float clear of everything.
//
//   CollisionPass/N/M  the collision pass and the delivery of its messages
//   PhysicsStep/N      gravity and integration of N falling crates
//   LevelFrame/N/M     both, in the order the play state runs them
//   BroadPhasePass/C/P the collision pass over C colliders, half of them crates,
//                      with the tree (P = 0) or testing every pair (P = 1)
//
// Every pass starts from the same placement: the crates are put back first
// (linear in N, small beside the pass). The pairs counter is the pairs every
// moving collider makes with every other; items are those pairs, so their rate
// is the pass's pairs per second, whichever broad phase weeds them out.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "physics/BoxCollider.h"
#include "physics/CollisionsSystem.h"
#include "physics/PhysicsSystem.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
constexpr float frameStep = 1.0f / 60.0f;
constexpr int gridColumns = 40;
constexpr float cellSize = 6.0f;

class FieldState : public IGamestate
{
public:
    FieldState() : IGamestate(false, true) {}
    void Init() override { AddSystem(New<MessageSystem>()); }
    void Update(float) override {}
    void Shutdown() override {}
};

struct Placement
{
    Transform* transform;
    RigidBody* body;
    tvec2 position;
    tvec2 velocity;
};

class BoxField
{
    Engine engine; // first: made before the systems below and gone after them

public:
    BoxField(int crateCount, int platforms)
    {
        engine.ClearFlag(Engine::ACTIVE);
        engine.PushGamestate(New<FieldState>());
        engine.RunFrame();
        SetGravity();
        for (int i = 0; i < platforms; ++i)
            Add(CellCentre(i), {3.0f, 1.0f}, true);
        for (int i = 0; i < crateCount; ++i)
        {
            const bool landing = i < platforms && i % 2 == 0;
            const tvec2 lift{0.0f, landing ? 0.9f : 2.5f};
            crates.push_back(Add(CellCentre(i) + lift, {1.0f, 1.0f}, false));
        }
        pairs = static_cast<std::int64_t>(crateCount) * (crateCount + platforms - 1);
    }

    void Restore()
    {
        for (const Placement& crate : crates)
        {
            crate.transform->position = crate.position;
            crate.body->velocity = crate.velocity;
        }
    }
    void Deliver() { engine.GetActiveGamestate().Messages()->DeliverAll(); }

    std::int64_t pairs;
    PhysicsSystem physics;
    CollisionsSystem collisions;

private:
    static tvec2 CellCentre(int cell)
    {
        return {static_cast<float>(cell % gridColumns) * cellSize,
                static_cast<float>(cell / gridColumns) * cellSize};
    }
    void SetGravity()
    {
        Entity* settings = New<Entity>("Settings");
        settings->Add<LevelSettings>();
        engine.GetActiveGamestate().AddEntity(settings);
        engine.GetActiveGamestate().SetLevelSettings(settings->id);
    }
    Placement Add(tvec2 position, tvec2 scale, bool isStatic)
    {
        Entity* entity = New<Entity>("bench");
        Transform* transform = entity->Add<Transform>();
        transform->position = position;
        transform->scale = scale;
        RigidBody* body = entity->Add<RigidBody>();
        body->isStatic = isStatic;
        body->gravity = {0.0f, 1.0f};
        entity->Add<BoxCollider>();
        engine.GetActiveGamestate().AddEntity(entity);
        entity->InitComponents();
        return {transform, body, position, body->velocity};
    }

    std::vector<Placement> crates;
};

void ReportPairs(benchmark::State& state, std::int64_t pairs)
{
    state.counters["pairs"] = static_cast<double>(pairs);
    state.SetItemsProcessed(state.iterations() * pairs);
}

// The collision pass and the delivery of its messages, after the physics step
// when the frame is a whole level frame.
void RunPasses(benchmark::State& state, bool withPhysics)
{
    BoxField field(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
    {
        field.Restore();
        if (withPhysics)
            field.physics.Update(frameStep);
        field.collisions.Update(frameStep);
        field.Deliver();
    }
    ReportPairs(state, field.pairs);
}

void CollisionPass(benchmark::State& state) { RunPasses(state, false); }

void BroadPhasePass(benchmark::State& state)
{
    const auto crates = static_cast<int>(state.range(0) / 2);
    BoxField field(crates, crates);
    field.collisions.SetBroadPhase(state.range(1) ? BroadPhase::AllPairs : BroadPhase::Tree);
    for (auto _ : state)
    {
        field.Restore();
        field.collisions.Update(frameStep);
        field.Deliver();
    }
    ReportPairs(state, field.pairs);
}
void LevelFrame(benchmark::State& state) { RunPasses(state, true); }

void PhysicsStep(benchmark::State& state)
{
    BoxField field(static_cast<int>(state.range(0)), 0);
    // Nothing to put back: the crates fall freely, faster every frame.
    for (auto _ : state)
        field.physics.Update(frameStep);
}

// Growth with the crates among a fixed field, then with both at once.
BENCHMARK(CollisionPass)
    ->ArgsProduct({{10, 100, 1000}, {1000}})
    ->Args({10, 10})
    ->Args({100, 100})
    ->Args({250, 250})
    ->Args({500, 500})
    ->Args({2000, 2000})
    ->Unit(benchmark::kMicrosecond);
// 1,000 to 10,000 colliders, doubling, each broad phase beside the other.
BENCHMARK(BroadPhasePass)
    ->ArgsProduct({{1000, 2000, 4000, 8000, 10000}, {0, 1}})
    ->ArgNames({"colliders", "allPairs"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PhysicsStep)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMicrosecond);
// A level of 200 colliders, from a few moving bodies to all of them.
BENCHMARK(LevelFrame)
    ->Args({10, 190})
    ->Args({50, 150})
    ->Args({100, 100})
    ->Args({200, 0})
    ->Args({1000, 1000})
    ->Unit(benchmark::kMicrosecond);
} // namespace
} // namespace Orvex
