#include "game/components/BounceParticle.h"

#include <cmath>

#include "game/components/TumboController.h"
#include "graphics/ParticleEmitter.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(BounceParticle)

ORVEX_MEMBERS(BounceParticle)
{
    ORVEX_FIELD(addedDuration, "addedDuration");
    ORVEX_FIELD(bouncyColor, "bouncyColor");
    ORVEX_FIELD(bouncyRandomColor, "bouncyRandomColor");
    ORVEX_FIELD(addedScale, "addedScale");
    ORVEX_FIELD(addedGrowthRate, "addedGrowthRate");
    ORVEX_FIELD(addedRotRate, "addedRotRate");
}

namespace
{
// Negates the x of the emitter's acceleration, spawn offset and velocity.
void MirrorX(ParticleEmitter& emitter)
{
    emitter.acceleration.x = -emitter.acceleration.x;
    emitter.spawnOffset.x = -emitter.spawnOffset.x;
    emitter.velocity.x = -emitter.velocity.x;
}
} // namespace

void BounceParticle::Init()
{
    RequireComponent<Transform>();
    RequireComponent<RigidBody>();
    RequireComponent<ParticleEmitter>();
}

long long BounceParticle::LeanShare(long long n) const
{
    const Transform* transform = owner->Get<Transform>();
    const TumboController* controller = owner->Get<TumboController>();
    if (!transform || !controller || controller->clamp == 0.0f)
        return 0;
    // The lean as a share of its limit first, so that half the clamp splits an
    // even burst exactly.
    const float share = static_cast<float>(n) * (transform->rotation / controller->clamp);
    // Converting a NaN (a NaN rotation) would be undefined.
    return std::isfinite(share) ? static_cast<long long>(share) : 0;
}

void BounceParticle::EmitBounce()
{
    ParticleEmitter* emitter = owner->Get<ParticleEmitter>();
    if (!emitter)
        return;
    // Two draws, one after the other, so the numbers come in a fixed order.
    const long long first = emitter->DrawBurstSize();
    const long long second = emitter->DrawBurstSize();
    const long long n = (first + second) / 2;
    const long long k = LeanShare(n);
    emitter->Emit(n + k);
    MirrorX(*emitter);
    emitter->Emit(n - k);
    MirrorX(*emitter);
}

void BounceParticle::EmitBouncyBounce()
{
    ParticleEmitter* emitter = owner->Get<ParticleEmitter>();
    if (!emitter)
        return;
    // Saved whole rather than added and subtracted back, so that rounding does
    // not creep into the emitter over many landings.
    const tvec4 color = emitter->color, randomColor = emitter->randomColor;
    const float duration = emitter->particleDuration, rotationRate = emitter->rotationRate;
    const tvec2 scale = emitter->scale, growthRate = emitter->growthRate;
    emitter->color = bouncyColor;
    emitter->randomColor = bouncyRandomColor;
    emitter->particleDuration += addedDuration;
    emitter->scale += addedScale;
    emitter->growthRate += addedGrowthRate;
    emitter->rotationRate += addedRotRate;
    EmitBounce();
    emitter->color = color;
    emitter->randomColor = randomColor;
    emitter->particleDuration = duration;
    emitter->scale = scale;
    emitter->growthRate = growthRate;
    emitter->rotationRate = rotationRate;
}
} // namespace Orvex
