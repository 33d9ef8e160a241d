// Graphics scenes, CPU side only (no GL context, so uploads and draws are
// skipped): frames of many sprites over a few textures and three layers, their
// quads built, culled, sorted and gathered into the batches of their runs; and
// the particle update that moves and submits a large emitter.
//
// Counters: draw_calls is the calls the frame makes (one per run of equal layer
// and texture that kept a quad after culling), objects_per_call the drawn
// objects over those calls, the batching ratio.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/DrawList.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/cTexture.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
constexpr int Layers = 3;

Entity* Placed(IGamestate& state, tvec2 position)
{
    Entity* entity = New<Entity>("bench");
    entity->Add<Transform>()->position = position;
    entity->Add<Color>();
    state.AddEntity(entity);
    return entity;
}

class SpriteField : public IGamestate
{
public:
    // count sprites on a square grid one unit apart, textures and layers mixed
    // so that neither follows the entity order. cameraSize 0 frames the whole
    // grid; a smaller size over its centre leaves the rest to culling.
    SpriteField(int count, int textureCount, float cameraSize) : IGamestate(true, false)
    {
        for (int i = 0; i < textureCount; ++i)
            textures.push_back(cTexture{static_cast<unsigned>(i + 1), 8, 8});
        const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
        for (int i = 0; i < count; ++i)
        {
            Sprite* sprite = Placed(*this, tvec2(static_cast<float>(i % side), static_cast<float>(i / side)))
                                 ->Add<Sprite>();
            sprite->texture = &textures[static_cast<std::size_t>(i * 7 % textureCount)];
            sprite->layer = i * 5 % Layers;
            sprite->drawMesh = false;
        }
        const float middle = static_cast<float>(side - 1) * 0.5f;
        Entity* camera = Placed(*this, tvec2(middle, middle));
        camera->Add<Camera>()->size = cameraSize > 0.0f ? cameraSize : static_cast<float>(side + 2);
        SetCamera(camera->id);
    }
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}

private:
    std::vector<cTexture> textures;
};

bool HasQuads(const std::vector<DrawEntry>& list, const DrawRun& run)
{
    for (std::size_t i = run.begin; i < run.end; ++i)
        if (list[i].object->streams.VertexCount() > 0)
            return true;
    return false;
}

void CountDrawCalls(benchmark::State& state, const std::vector<DrawEntry>& list)
{
    double calls = 0.0;
    double drawn = 0.0;
    for (const DrawRun& run : PlanRuns(list))
        calls += HasQuads(list, run) ? 1.0 : 0.0;
    for (const DrawEntry& entry : list)
        drawn += entry.object->streams.VertexCount() > 0 ? 1.0 : 0.0;
    state.counters["draw_calls"] = calls;
    state.counters["objects_per_call"] = calls > 0.0 ? drawn / calls : 0.0;
}

void RunSpriteFrames(benchmark::State& state, SpriteField& field)
{
    GraphicsSystem graphics;
    for (auto _ : state)
    {
        graphics.DrawFrame(field);
        benchmark::DoNotOptimize(graphics.DrawList().data());
    }
    CountDrawCalls(state, graphics.DrawList());
    state.SetItemsProcessed(state.iterations() * static_cast<long>(graphics.DrawList().size()));
}

// Every sprite on screen: arguments sprites, textures.
void SpriteFrame(benchmark::State& state)
{
    SpriteField field(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0.0f);
    RunSpriteFrames(state, field);
}
BENCHMARK(SpriteFrame)
    ->Args({100, 4})
    ->Args({1000, 4})
    ->Args({5000, 4})
    ->Args({20000, 4})
    ->Args({5000, 16})
    ->Unit(benchmark::kMicrosecond);

// A camera over the middle of the field, about a fifth of it on screen:
// arguments sprites, camera size.
void SpriteFrameMostlyCulled(benchmark::State& state)
{
    SpriteField field(static_cast<int>(state.range(0)), 4, static_cast<float>(state.range(1)));
    RunSpriteFrames(state, field);
}
BENCHMARK(SpriteFrameMostlyCulled)->Args({5000, 32})->Unit(benchmark::kMicrosecond);

// One emitter holding a steady number of long-lived particles, updated at 60 Hz
// (no engine, so nothing is culled: every particle is moved and submitted).
void ParticleUpdate(benchmark::State& state)
{
    SpriteField scene(0, 1, 0.0f);
    cTexture texture{1, 8, 8};
    ParticleEmitter* emitter = Placed(scene, tvec2(0.0f))->Add<ParticleEmitter>();
    emitter->texture = &texture;
    emitter->active = false;
    emitter->particleDuration = 1.0e9f;
    emitter->rotationRate = 1.0f;
    emitter->hasParticleGravity = state.range(1) != 0;
    emitter->gravityStrength = 1.0f;
    emitter->gravityRange = 50.0f;
    emitter->Emit(state.range(0));
    for (auto _ : state)
    {
        emitter->Update(1.0f / 60.0f);
        benchmark::DoNotOptimize(emitter->streams.VertexCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ParticleUpdate)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMicrosecond);
} // namespace
} // namespace Orvex
