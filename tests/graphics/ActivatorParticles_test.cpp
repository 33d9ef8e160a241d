#include <gtest/gtest.h>

#include "ParticleScene.h"
#include "graphics/ActivatorParticles.h"

namespace Orvex
{
namespace
{
// The hint stops at its pad's first firing: only once an update has found the
// pad, never for another target, and not again once someone restarts it.
TEST(ActivatorParticles, StartsTheEmitterAndOnlyTheFirstFiringOfTheFoundPadStopsIt)
{
    ParticleScene scene;
    ParticleEmitter* emitter = scene.AddEmitter("Flames");
    emitter->active = false;
    ActivatorParticles* activator = emitter->owner->Add<ActivatorParticles>();
    activator->rocketPad = "Pad";
    emitter->owner->InitComponents();
    Entity* pad = scene.Add("Pad");
    const auto activate = [&scene](Entity* target) {
        scene.engine.Send(MSG_SET_ACTIVE, SetActiveMessage{target});
        scene.Deliver();
    };
    EXPECT_TRUE(emitter->active);
    activate(pad);
    EXPECT_TRUE(emitter->active);
    activator->rocketPad = "Nowhere";
    activator->Update(0.1f);
    EXPECT_FALSE(activator->padId.has_value());
    activator->rocketPad = "Pad";
    activator->Update(0.1f);
    activate(scene.Add("Other"));
    activate(nullptr);
    EXPECT_TRUE(emitter->active);
    activate(pad);
    EXPECT_FALSE(emitter->active);
    emitter->active = true;
    activate(pad);
    EXPECT_TRUE(emitter->active);
    // Destroyed after it was found, the pad is not read again.
    scene.state->RemoveEntity(pad->id);
    scene.state->Housekeeping();
    activator->Update(0.1f);
    activate(scene.Add("Later"));
    EXPECT_TRUE(emitter->active);
}
} // namespace
} // namespace Orvex
