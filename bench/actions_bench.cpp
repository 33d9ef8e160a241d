// Action scenes: a frame of running tweens over many entities, and the life of
// one tween from its pool block to its release.
#include <benchmark/benchmark.h>

#include <vector>

#include "actions/Action.h"
#include "actions/ActionSystem.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
struct Tweened
{
    float size = 1.0f;
    tvec2 position{0.0f, 0.0f};
    tvec4 color{0.0f, 0.0f, 0.0f, 1.0f};
};

// entities x 3 tweens (size, position, colour) that outlast the benchmark.
void RunningTweensFrame(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<Entity*> entities;
    std::vector<Tweened> values(count);
    for (std::size_t i = 0; i < count; ++i)
    {
        Entity* entity = New<Entity>("bench");
        AddAction(*entity, &values[i].size, 5.0f, 1e9f, QuadIn);
        AddAction(*entity, &values[i].position, tvec2{3.0f, 4.0f}, 1e9f, QuadInOut);
        AddAction(*entity, &values[i].color, tvec4{1.0f}, 1e9f, Linear);
        entities.push_back(entity);
    }
    for (auto _ : state)
    {
        for (Entity* entity : entities)
            AdvanceActions(*entity, 1.0f / 60.0f);
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count * 3));
    for (Entity* entity : entities)
        Delete(entity);
}
BENCHMARK(RunningTweensFrame)->Arg(100)->Arg(1000);

// AddAction, one update that ends it, the pool free and the unlink.
void TweenLifetime(benchmark::State& state)
{
    Entity* entity = New<Entity>("bench");
    tvec2 position{0.0f, 0.0f};
    for (auto _ : state)
    {
        AddAction(*entity, &position, tvec2{1.0f, 1.0f}, 0.0f, QuadOut);
        AdvanceActions(*entity, 1.0f / 60.0f);
    }
    benchmark::DoNotOptimize(position);
    Delete(entity);
}
BENCHMARK(TweenLifetime);
} // namespace
} // namespace Orvex
