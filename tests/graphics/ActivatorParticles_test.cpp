#include <gtest/gtest.h>

#include "ParticleScene.h"
#include "graphics/ActivatorParticles.h"

namespace Orvex
{
namespace
{
struct Flames
{
    Flames()
    {
        emitter = scene.AddEmitter("Flames");
        emitter->active = false;
        activator = emitter->owner->Add<ActivatorParticles>();
        activator->rocketPad = "Pad";
        emitter->owner->InitComponents();
        pad = scene.Add("Pad");
        other = scene.Add("Other");
    }
    void Activate(Entity* target)
    {
        scene.engine.Send(MSG_SET_ACTIVE, SetActiveMessage{target});
        scene.Deliver();
    }

    ParticleScene scene;
    ParticleEmitter* emitter;
    ActivatorParticles* activator;
    Entity* pad;
    Entity* other;
};

TEST(ActivatorParticles, StartsTheEmitterAndOnlyTheFirstFiringOfTheFoundPadStopsIt)
{
    Flames flames;
    EXPECT_TRUE(flames.emitter->active);
    flames.Activate(flames.pad); // no update has looked the pad up yet
    EXPECT_TRUE(flames.emitter->active);
    flames.activator->Update(0.1f);
    flames.Activate(flames.other);
    flames.Activate(nullptr);
    EXPECT_TRUE(flames.emitter->active);
    flames.Activate(flames.pad);
    EXPECT_FALSE(flames.emitter->active);
    flames.emitter->active = true; // switched on again by someone else
    flames.Activate(flames.pad);
    EXPECT_TRUE(flames.emitter->active);
}

TEST(ActivatorParticles, MissingPadIsNeverFound)
{
    Flames flames;
    flames.activator->rocketPad = "Nowhere";
    flames.activator->Update(0.1f);
    EXPECT_FALSE(flames.activator->padId.has_value());
}

TEST(ActivatorParticles, PadDestroyedAfterItWasFound)
{
    Flames flames;
    flames.activator->Update(0.1f);
    flames.scene.state->RemoveEntity(flames.pad->id);
    flames.scene.state->Housekeeping();
    flames.activator->Update(0.1f);
    flames.Activate(flames.other);
    EXPECT_TRUE(flames.emitter->active);
}
} // namespace
} // namespace Orvex
