#include <gtest/gtest.h>

#include <vector>

#include "actions/Action.h"
#include "actions/ActionSystem.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
using EntityPtr = Pooled<Entity>;

// The values *target takes on each update until the action is gone.
std::vector<float> RunToEnd(Entity& entity, const float& target, float dt)
{
    std::vector<float> values;
    while (!entity.actions.empty() && values.size() < 100)
    {
        AdvanceActions(entity, dt);
        values.push_back(target);
    }
    return values;
}

// The start is read when the action is added, not later; each curve runs from
// there to the end value, which is written exactly at the end; a duration of 0
// or less ends on the first update; an unknown curve holds, then writes the end.
TEST(ActionTween, EachCurveRunsFromTheStartReadWhenAddedToTheEndValue)
{
    const struct
    {
        unsigned ease;
        float duration, dt;
        std::vector<float> values; // from 0 to 10
    } runs[] = {
        {Linear, 1.0f, 0.25f, {2.5f, 5.0f, 7.5f, 10.0f}},
        {QuadIn, 2.0f, 0.5f, {0.625f, 2.5f, 5.625f, 10.0f}},
        {QuadOut, 2.0f, 0.5f, {4.375f, 7.5f, 9.375f, 10.0f}},
        {QuadInOut, 2.0f, 0.5f, {1.25f, 5.0f, 8.75f, 10.0f}},
        {QuadOut, 0.0f, 0.0f, {10.0f}},
        {Linear, -1.0f, 0.5f, {10.0f}},
        {9, 1.0f, 0.5f, {-3.0f, 10.0f}},
    };
    for (const auto& run : runs)
    {
        EntityPtr entity(New<Entity>("Mover"));
        float value = 0.0f;
        AddAction(*entity, &value, 10.0f, run.duration, run.ease);
        value = -3.0f; // written by someone else: the tween overwrites it
        EXPECT_EQ(RunToEnd(*entity, value, run.dt), run.values) << "ease " << run.ease;
    }
}

// A later action on the same target wins until one ends; finished actions leave
// the others in order; vectors ease every component alike.
TEST(ActionList, LaterActionsWriteLastAndFinishedOnesLeaveTheOthersInOrder)
{
    EntityPtr entity(New<Entity>("Mover"));
    float value = 0.0f;
    tvec4 color{0.0f, 0.0f, 0.0f, 1.0f};
    tvec2 position{0.0f, 10.0f};
    AddAction(*entity, &value, 100.0f, 2.0f, Linear); // +50 per second
    AddAction(*entity, &position, tvec2{4.0f, 2.0f}, 1.0f, QuadIn);
    AddAction(*entity, &value, -10.0f, 1.0f, Linear); // -10 per second
    AddAction(*entity, &color, tvec4{1.0f}, 2.0f, Linear);
    const std::vector<IAction*> before = entity->actions;
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, -5.0f);
    EXPECT_EQ(position, (tvec2{1.0f, 8.0f}));
    EXPECT_EQ(color, (tvec4{0.25f, 0.25f, 0.25f, 1.0f}));
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, -10.0f); // the later one ends and writes last
    EXPECT_EQ(position, (tvec2{4.0f, 2.0f}));
    EXPECT_EQ(entity->actions, (std::vector<IAction*>{before[0], before[3]}));
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, 75.0f);
}

TEST(ActionList, EntityDestroyedWhileTweeningReleasesItsActions)
{
    MemoryManager& memory = MemoryManager::Get();
    const unsigned actionPool = MemoryManager::SizeClass(sizeof(Action<tvec4>));
    const unsigned before = memory.Pool(actionPool).Stats().inUse;
    {
        EntityPtr entity(New<Entity>("Mover"));
        tvec4 color{};
        AddAction(*entity, &color, tvec4{1.0f}, 5.0f, Linear);
        AddAction(*entity, &color, tvec4{0.0f}, 5.0f, QuadOut);
        AdvanceActions(*entity, 1.0f);
        EXPECT_EQ(memory.Pool(actionPool).Stats().inUse, before + 2);
    }
    EXPECT_EQ(memory.Pool(actionPool).Stats().inUse, before);
}
} // namespace
} // namespace Orvex
