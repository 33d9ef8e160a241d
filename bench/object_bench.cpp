// Object model scenes: component look-up by slot against look-up by name, and the
// reflection paths the loaders and the editor take (read fields, clone).
#include <benchmark/benchmark.h>

#include "data/Deserializer.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
// A component of the usual size: a handful of reflected values.
class BenchBody : public IComponent
{
    ORVEX_COMPONENT(BenchBody)
    tvec2 position{0.0f, 0.0f};
    tvec2 velocity{0.0f, 0.0f};
    float mass = 1.0f;
    bool ghost = false;
    std::string tag = "body";
};

ORVEX_REGISTER_COMPONENT(BenchBody)
ORVEX_MEMBERS(BenchBody)
{
    ORVEX_FIELD(position, "Position");
    ORVEX_FIELD(velocity, "Velocity");
    ORVEX_FIELD(mass, "Mass");
    ORVEX_FIELD(ghost, "Ghost");
    ORVEX_FIELD(tag, "Tag");
}

namespace
{
Entity* BodyEntity()
{
    Entity* entity = New<Entity>("bench");
    entity->Add<BenchBody>();
    return entity;
}

void ComponentLookupBySlot(benchmark::State& state)
{
    Entity* entity = BodyEntity();
    for (auto _ : state)
        benchmark::DoNotOptimize(entity->Get<BenchBody>());
    Delete(entity);
}
BENCHMARK(ComponentLookupBySlot);

void ComponentLookupByName(benchmark::State& state)
{
    Entity* entity = BodyEntity();
    for (auto _ : state)
        benchmark::DoNotOptimize(entity->Get(TypeRegistry::FindComponent("BenchBody")->id));
    Delete(entity);
}
BENCHMARK(ComponentLookupByName);

void ReadComponentFields(benchmark::State& state)
{
    Entity* entity = BodyEntity();
    Deserializer object;
    object.SetValue("Position", "1.5,-2");
    object.SetValue("Velocity", "0,3");
    object.SetValue("Mass", "2.5");
    object.SetValue("Ghost", "1");
    object.SetValue("Tag", "crate");
    const META_COMPONENT_BASE& record = BenchBody::Meta();
    for (auto _ : state)
        record.ReadFields(*entity->Get<BenchBody>(), object);
    Delete(entity);
}
BENCHMARK(ReadComponentFields);

void CloneEntity(benchmark::State& state)
{
    Entity* entity = BodyEntity();
    for (auto _ : state)
        Delete(entity->Clone());
    Delete(entity);
}
BENCHMARK(CloneEntity);
} // namespace
} // namespace Orvex
