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

TEST(EmitOnMessage, OneBurstHoweverManyLevelEnds)
{
    Ending ending(true);
    ending.EndLevel(3);
    EXPECT_EQ(ending.emitter->Particles().Size(), 12u);
    ending.EndLevel(1);
    EXPECT_EQ(ending.emitter->Particles().Size(), 12u);
}

TEST(EmitOnMessage, BothKeysStillBurstOnce)
{
    Ending ending(true, true);
    ending.EndLevel(2);
    EXPECT_EQ(ending.emitter->Particles().Size(), 12u);
}

TEST(EmitOnMessage, OnCollisionAloneListensForTheLevelEnd)
{
    Ending ending(false, true);
    ending.EndLevel(1);
    EXPECT_EQ(ending.emitter->Particles().Size(), 12u);
}

TEST(EmitOnMessage, WithoutEitherKeyNothingHappens)
{
    Ending ending(false);
    ending.EndLevel(1);
    EXPECT_TRUE(ending.emitter->Particles().Empty());
}

TEST(EmitOnMessage, OtherMessagesDoNothing)
{
    Ending ending(true);
    ending.scene.engine.SendMessage(MSG_SET_ACTIVE);
    ending.scene.Deliver();
    EXPECT_TRUE(ending.emitter->Particles().Empty());
}

TEST(EmitOnMessage, NeedsAnEmitter)
{
    ParticleScene scene;
    Entity* entity = scene.Add("Bare");
    entity->Add<EmitOnMessage>();
    EXPECT_EQ(InitError(*entity),
              "Dependency fail. Entity Bare doesn't have Component ParticleEmitter");
}
} // namespace
} // namespace Orvex
