#include <gtest/gtest.h>

#include "actions/Action.h"
#include "actions/ActionSystem.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "physics/Transform.h"

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
    ActionSystem().Update(0.5f); // no engine: nothing to advance
    Engine engine;
    ActionSystem().Update(0.5f); // no state yet either
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
// A camera glide tweens the Size of a Camera the editor may remove meanwhile.
TEST(ActionSystem, RemovingAComponentEndsTheTweensIntoItAndNoOthers)
{
    Engine engine;
    engine.PushGamestate(New<TweenState>());
    engine.RunFrame();
    Entity* camera = New<Entity>("Camera");
    engine.GetActiveGamestate().AddEntity(camera);
    Transform* transform = camera->Add<Transform>();
    AddAction(*camera, &camera->Add<Camera>()->size, 5.0f, 2.0f, Linear);
    AddAction(*camera, &transform->position, tvec2(4.0f, 0.0f), 2.0f, Linear);
    ActionSystem system;
    system.Update(0.5f);

    camera->RemoveComponent("Camera");
    ASSERT_EQ(camera->actions.size(), 1u);
    EXPECT_EQ(camera->actions[0]->Target(), &transform->position);
    system.Update(0.5f);
    EXPECT_FLOAT_EQ(transform->position.x, 2.0f);
}
} // namespace
} // namespace Orvex
