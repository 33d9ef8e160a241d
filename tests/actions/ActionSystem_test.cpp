#include <gtest/gtest.h>

#include "actions/Action.h"
#include "actions/ActionSystem.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
class TweenState : public IGamestate
{
public:
    TweenState() : IGamestate(false, true) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

// A float tween from 0 to 1 over 1 s on a new entity of state.
Entity* TweeningEntity(IGamestate& state, float& value)
{
    Entity* entity = New<Entity>("Tweening");
    state.AddEntity(entity);
    AddAction(*entity, &value, 1.0f, 1.0f, Linear);
    return entity;
}

TEST(ActionSystem, AdvancesOnlyTheTopStatesEntities)
{
    Engine engine;
    auto* below = New<TweenState>();
    engine.PushGamestate(below);
    engine.RunFrame();
    float belowValue = 0.0f;
    TweeningEntity(*below, belowValue);

    auto* top = New<TweenState>();
    engine.PushGamestate(top);
    engine.RunFrame();
    float topValue = 0.0f, otherValue = 0.0f;
    TweeningEntity(*top, topValue);
    Entity* other = TweeningEntity(*top, otherValue);

    ActionSystem system;
    system.Update(0.25f);
    EXPECT_FLOAT_EQ(topValue, 0.25f);
    EXPECT_FLOAT_EQ(otherValue, 0.25f);
    EXPECT_EQ(belowValue, 0.0f);
    system.Update(1.0f);
    EXPECT_TRUE(other->actions.empty());
    EXPECT_EQ(topValue, 1.0f);
}
} // namespace
} // namespace Orvex
