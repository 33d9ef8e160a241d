#include <gtest/gtest.h>

#include "ParticleScene.h"
#include "graphics/EmitOnMessage.h"

namespace Orvex
{
namespace
{
struct Ending
{
    explicit Ending(bool onLevelEnd, bool onCollision = false)
    {
        emitter = scene.AddEmitter("Burst");
        emitter->active = false;
        emitter->emitCount = 12;
        trigger = emitter->owner->Add<EmitOnMessage>();
        trigger->onLevelEnd = onLevelEnd;
        trigger->onCollision = onCollision;
        emitter->owner->InitComponents();
    }
    void EndLevel(int times)
    {
        for (int i = 0; i < times; ++i)
            scene.engine.SendMessage(MSG_END_LEVEL);
        scene.Deliver();
    }

    ParticleScene scene;
    ParticleEmitter* emitter;
    EmitOnMessage* trigger;
};

TEST(EmitOnMessage, EitherKeyBurstsOnceOnTheLevelEndAndOtherMessagesNever)
{
    const struct
    {
        bool onLevelEnd, onCollision;
        std::size_t burst;
    } cases[] = {{true, false, 12}, {true, true, 12}, {false, true, 12}, {false, false, 0}};
    for (const auto& c : cases)
    {
        Ending ending(c.onLevelEnd, c.onCollision);
        ending.scene.engine.SendMessage(MSG_SET_ACTIVE);
        ending.scene.Deliver();
        EXPECT_TRUE(ending.emitter->Particles().Empty());
        ending.EndLevel(3);
        EXPECT_EQ(ending.emitter->Particles().Size(), c.burst) << c.onLevelEnd << c.onCollision;
        ending.EndLevel(1);
        EXPECT_EQ(ending.emitter->Particles().Size(), c.burst) << c.onLevelEnd << c.onCollision;
    }
}
} // namespace
} // namespace Orvex
