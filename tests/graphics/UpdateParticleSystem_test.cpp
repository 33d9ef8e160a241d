#include <gtest/gtest.h>

#include "ParticleScene.h"
#include "graphics/UpdateParticleSystem.h"

namespace Orvex
{
namespace
{
TEST(UpdateParticleSystem, AnimatesMarkedEmittersAndEmptiesTheOthers)
{
    UpdateParticleSystem().Update(0.25f); // no engine, no state: nothing to walk
    ParticleScene scene;
    ParticleEmitter* animated = scene.AddEmitter("Animated");
    ParticleEmitter* still = scene.AddEmitter("Still");
    for (ParticleEmitter* emitter : {animated, still})
    {
        emitter->emitCount = 3;
        emitter->emitRate = 0.1f;
        emitter->owner->InitComponents();
        emitter->EmitOne();
        emitter->Update(0.0f); // one quad each
    }
    animated->updateInEditor = true;
    UpdateParticleSystem system;
    system.Update(0.25f);
    EXPECT_EQ(animated->Particles().Size(), 4u); // its burst came
    EXPECT_EQ(animated->streams.QuadCount(), 1u);
    EXPECT_EQ(still->Particles().Size(), 1u);
    EXPECT_EQ(still->streams.QuadCount(), 0u);
}
} // namespace
} // namespace Orvex
