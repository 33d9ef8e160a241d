// Graphics scenes, CPU side only (no GL context, so uploads and draws are
// skipped): a frame of many sprites over four textures and three layers, their
// quads built, culled, sorted and gathered into the batches of their runs.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "graphics/cTexture.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
class SpriteField : public IGamestate
{
public:
    // count sprites on a grid 40 wide, one unit apart, under a camera of that
    // size over the grid's centre (20 shows about a third of 2000, 100 all).
    SpriteField(int count, float cameraSize)
        : IGamestate(true, false), textures{{1, 8, 8}, {2, 8, 8}, {3, 8, 8}, {4, 8, 8}}
    {
        for (int i = 0; i < count; ++i)
        {
            Entity* entity = Placed(tvec2(static_cast<float>(i % 40), static_cast<float>(i / 40)));
            Sprite* sprite = entity->Add<Sprite>();
            sprite->texture = &textures[static_cast<std::size_t>(i * 7 % 4)];
            sprite->layer = i % 3;
            sprite->drawMesh = false;
        }
        Entity* camera = Placed(tvec2(20.0f, static_cast<float>(count / 80)));
        camera->Add<Camera>()->size = cameraSize;
        SetCamera(camera->id);
    }
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}

private:
    Entity* Placed(tvec2 position)
    {
        Entity* entity = New<Entity>("bench");
        entity->Add<Transform>()->position = position;
        entity->Add<Color>();
        AddEntity(entity);
        return entity;
    }

    std::vector<cTexture> textures;
};

void SpriteFrame(benchmark::State& state)
{
    SpriteField field(static_cast<int>(state.range(0)), static_cast<float>(state.range(1)));
    GraphicsSystem graphics;
    for (auto _ : state)
    {
        graphics.DrawFrame(field);
        benchmark::DoNotOptimize(graphics.DrawList().data());
    }
}
BENCHMARK(SpriteFrame)->Args({2000, 20})->Args({2000, 100})->Unit(benchmark::kMicrosecond);
} // namespace
} // namespace Orvex
