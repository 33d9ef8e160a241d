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

EntityPtr MakeEntity() { return EntityPtr(New<Entity>("Mover")); }

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

TEST(ActionTween, LinearQuartersThenEndValueAndGone)
{
    EntityPtr entity = MakeEntity();
    float value = 0.0f;
    AddAction(*entity, &value, 10.0f, 1.0f, Linear);
    EXPECT_EQ(value, 0.0f); // nothing written before the first update
    EXPECT_EQ(RunToEnd(*entity, value, 0.25f), (std::vector<float>{2.5f, 5.0f, 7.5f, 10.0f}));
}

TEST(ActionTween, ZeroOrNegativeDurationEndsOnFirstUpdate)
{
    for (float duration : {0.0f, -1.0f})
    {
        EntityPtr entity = MakeEntity();
        float value = 3.0f;
        AddAction(*entity, &value, -4.0f, duration, QuadOut);
        EXPECT_EQ(RunToEnd(*entity, value, 0.0f), std::vector<float>{-4.0f});
    }
}

TEST(ActionTween, StartIsReadWhenAddedNotLater)
{
    EntityPtr entity = MakeEntity();
    float value = 2.0f;
    AddAction(*entity, &value, 4.0f, 1.0f, Linear);
    value = 100.0f; // someone else writes: overwritten by the tween
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, 3.0f);
}

TEST(ActionTween, UnknownCurveHoldsThenWritesTheEnd)
{
    EntityPtr entity = MakeEntity();
    float value = 1.0f;
    AddAction(*entity, &value, 5.0f, 1.0f, 9);
    value = 7.0f;
    AdvanceActions(*entity, 0.5f);
    EXPECT_EQ(value, 7.0f);
    AdvanceActions(*entity, 0.5f);
    EXPECT_EQ(value, 5.0f);
    EXPECT_TRUE(entity->actions.empty());
}

TEST(ActionTween, VectorsEaseEveryComponentAlike)
{
    EntityPtr entity = MakeEntity();
    tvec2 position{0.0f, 10.0f};
    tvec4 color{0.0f, 0.0f, 0.0f, 1.0f};
    AddAction(*entity, &position, tvec2{4.0f, 2.0f}, 1.0f, QuadIn);
    AddAction(*entity, &color, tvec4{1.0f, 1.0f, 1.0f, 1.0f}, 2.0f, Linear);
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(position.x, 1.0f);
    EXPECT_FLOAT_EQ(position.y, 8.0f);
    EXPECT_FLOAT_EQ(color.r, 0.25f);
    EXPECT_FLOAT_EQ(color.a, 1.0f);
    AdvanceActions(*entity, 0.5f);
    EXPECT_EQ(position, (tvec2{4.0f, 2.0f}));
    ASSERT_EQ(entity->actions.size(), 1u); // the colour runs on alone
    AdvanceActions(*entity, 1.0f);
    EXPECT_EQ(color, (tvec4{1.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_TRUE(entity->actions.empty());
}

TEST(ActionList, LaterActionOnTheSameTargetWinsUntilOneEnds)
{
    EntityPtr entity = MakeEntity();
    float value = 0.0f;
    AddAction(*entity, &value, 100.0f, 2.0f, Linear); // first: +50 per second
    AddAction(*entity, &value, -10.0f, 1.0f, Linear); // later: -10 per second
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, -5.0f);
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, -10.0f); // the later one ends and writes last
    AdvanceActions(*entity, 0.5f);
    EXPECT_FLOAT_EQ(value, 75.0f);
}

TEST(ActionList, FinishedActionsLeaveTheOthersInOrder)
{
    EntityPtr entity = MakeEntity();
    float a = 0.0f, b = 0.0f, c = 0.0f;
    AddAction(*entity, &a, 1.0f, 2.0f, Linear);
    AddAction(*entity, &b, 1.0f, 0.5f, Linear);
    AddAction(*entity, &c, 1.0f, 3.0f, Linear);
    const std::vector<IAction*> before = entity->actions;
    AdvanceActions(*entity, 1.0f);
    EXPECT_EQ(entity->actions, (std::vector<IAction*>{before[0], before[2]}));
    EXPECT_EQ(b, 1.0f);
}

TEST(ActionList, EntityDestroyedWhileTweeningReleasesItsActions)
{
    MemoryManager& memory = MemoryManager::Get();
    const unsigned actionPool = MemoryManager::SizeClass(sizeof(Action<tvec4>));
    const unsigned before = memory.Pool(actionPool).Stats().inUse;
    {
        EntityPtr entity = MakeEntity();
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
