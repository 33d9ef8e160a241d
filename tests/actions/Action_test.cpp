#include <gtest/gtest.h>

#include <vector>

#include "actions/Action.h"
#include "actions/ActionSystem.h"
#include "engine/TestEngine.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
// The values a tween from 0 to 10 takes at each update of dt until it ends, when
// someone else writes -3 into its target right after it is added.
std::vector<float> Tween(unsigned ease, float duration, float dt)
{
    Pooled<Entity> entity(New<Entity>("Mover"));
    float value = 0.0f;
    AddAction(*entity, &value, 10.0f, duration, ease);
    value = -3.0f;
    std::vector<float> values;
    while (!entity->actions.empty() && values.size() < 100)
    {
        AdvanceActions(*entity, dt);
        values.push_back(value);
    }
    return values;
}

// What the eye follows: every curve starts from the value read when the action was
// added, never turns back, lands exactly on the end value, and is behind (-1), on
// (0) or ahead of (+1) the straight line at a quarter, half and three quarters of
// the way. A duration of 0 or less ends on the first update.
TEST(ActionTween, EachCurveRisesFromTheStartReadWhenAddedToExactlyTheEndValue)
{
    const struct
    {
        unsigned ease;
        float duration;
        std::vector<int> sides;
    } runs[] = {
        {Linear, 1.0f, {0, 0, 0}}, {QuadIn, 1.0f, {-1, -1, -1}}, {QuadOut, 1.0f, {1, 1, 1}},
        {QuadInOut, 1.0f, {-1, 0, 1}}, {QuadOut, 0.0f, {}}, {Linear, -1.0f, {}},
    };
    for (const auto& run : runs)
    {
        SCOPED_TRACE(::testing::Message() << "ease " << run.ease << ", " << run.duration << " s");
        const std::vector<float> values = Tween(run.ease, run.duration, 0.25f);
        ASSERT_EQ(values.size(), run.sides.size() + 1);
        EXPECT_EQ(values.back(), 10.0f);
        float previous = 0.0f;
        for (std::size_t i = 0; i < run.sides.size(); ++i)
        {
            const float offLine = values[i] - 2.5f * static_cast<float>(i + 1);
            EXPECT_EQ((offLine > 1e-4f) - (offLine < -1e-4f), run.sides[i]) << "update " << i;
            EXPECT_GT(values[i], previous);
            previous = values[i];
        }
    }
    // An unknown curve leaves the target to others until the end, then writes the end value.
    EXPECT_EQ(Tween(9, 0.5f, 0.25f), (std::vector<float>{-3.0f, 10.0f}));
}

// A later action on the same target writes last until one ends; finished actions
// leave the others in order; vectors ease every component alike; removing a
// component ends the tweens into it (they would write into the freed block) and
// no others; the entity's end frees what is left.
TEST(ActionList, LaterActionsWriteLastAndFinishedOrRemovedOnesLeaveTheOthersInOrder)
{
    const unsigned blocksBefore = Testing::BlocksInUse();
    {
        Pooled<Entity> entity(New<Entity>("Mover"));
        float value = 0.0f;
        tvec4 color{0.0f, 0.0f, 0.0f, 1.0f};
        tvec2& position = entity->Add<Transform>()->position;
        AddAction(*entity, &value, 100.0f, 2.0f, Linear); // +50 per second
        AddAction(*entity, &position, tvec2{4.0f, 2.0f}, 2.0f, QuadIn);
        AddAction(*entity, &value, -10.0f, 1.0f, Linear); // -10 per second
        AddAction(*entity, &color, tvec4{1.0f}, 2.0f, Linear);
        const std::vector<IAction*> before = entity->actions;
        AdvanceActions(*entity, 0.5f);
        EXPECT_FLOAT_EQ(value, -5.0f);
        EXPECT_EQ(color, (tvec4{0.25f, 0.25f, 0.25f, 1.0f}));
        EXPECT_EQ(position, (tvec2{0.25f, 0.125f}));
        entity->RemoveComponent("Transform");
        AdvanceActions(*entity, 0.5f);
        EXPECT_FLOAT_EQ(value, -10.0f); // the later one ends and writes last
        EXPECT_EQ(entity->actions, (std::vector<IAction*>{before[0], before[3]}));
        AdvanceActions(*entity, 0.5f);
        EXPECT_FLOAT_EQ(value, 75.0f);
    }
    EXPECT_EQ(Testing::BlocksInUse(), blocksBefore);
}

// A float tween from 0 to 1 over 1 s on a new entity of state.
void AddTweening(IGamestate& state, float& value)
{
    Entity* entity = New<Entity>("Tweening");
    state.AddEntity(entity);
    AddAction(*entity, &value, 1.0f, 1.0f, Linear);
}

using ActionSystemTest = Testing::EngineTest;

TEST_F(ActionSystemTest, AdvancesOnlyTheTopStatesEntities)
{
    float belowValue = 0.0f, topValue = 0.0f;
    AddTweening(*Start("below"), belowValue);
    ActionSystem system;
    system.Update(0.25f);
    AddTweening(*Start("top"), topValue);
    system.Update(0.5f);
    EXPECT_EQ(belowValue, 0.25f);
    EXPECT_EQ(topValue, 0.5f);
    engine.reset(); // with no engine there is nothing to advance, and nothing to trip on
    system.Update(0.25f);
    EXPECT_EQ(topValue, 0.5f);
}
} // namespace
} // namespace Orvex
