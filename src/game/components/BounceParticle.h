#pragma once
// The sparks of a landing, from the player's own ParticleEmitter: one burst split
// between the two sides, more of it on the side the dog leans toward. A landing
// on a bouncy surface gives bigger, longer, faster-spinning sparks in its own
// colours.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class BounceParticle : public IComponent
{
    ORVEX_COMPONENT(BounceParticle)

    // Needs Transform, RigidBody and ParticleEmitter.
    void Init() override;
    // Two half bursts, the second mirrored in x (acceleration, spawn offset and
    // velocity); the lean as a share of the controller's Clamp moves particles
    // from one half to the other. Without a controller, or with a Clamp of 0,
    // the halves are even.
    void EmitBounce();
    // EmitBounce with the bouncy colours and the added values; the emitter's own
    // settings are put back exactly afterwards.
    void EmitBouncyBounce();

    float addedDuration = 0.15f;                      // "addedDuration": seconds of life added
    tvec4 bouncyColor{1.0f, 0.0f, 1.0f, 1.0f};        // "bouncyColor"
    tvec4 bouncyRandomColor{0.2f, 0.2f, 0.2f, 0.1f};  // "bouncyRandomColor"
    tvec2 addedScale{0.25f, 0.25f};                   // "addedScale"
    tvec2 addedGrowthRate{0.5f, 0.5f};                // "addedGrowthRate": per second
    float addedRotRate = 10.0f;                       // "addedRotRate": radians per second

private:
    // The particles moved toward the leaning side, out of a half burst of n.
    long long LeanShare(long long n) const;
};
} // namespace Orvex
