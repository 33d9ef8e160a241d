#pragma once
// Every particle effect: bursts of particles at a fixed period or on request,
// each moved, recoloured, grown, spun and faded every frame and drawn as one
// textured quad of the emitter's texture and layer.
//
// The quads are built in the emitter's own update, not when the graphics system
// collects drawables (PrepareFrame does nothing here): the update walks the list
// once, advancing and submitting each particle, and the level editor can keep an
// emitter it does not animate empty on screen by only clearing its streams.
// Each particle is culled by the active state's camera as a sprite would be.
//
// Every key whose name begins with "random" is the half-width of a uniform
// spread around the value before it, drawn afresh for every particle.

#include "engine/Math.h"
#include "graphics/GraphicsObject.h"
#include "graphics/ParticleList.h"
#include "graphics/cColorChanger.h"

namespace Orvex
{
class ParticleEmitter : public GraphicsObject
{
    ORVEX_COMPONENT(ParticleEmitter)

    // Needs a Transform; takes the "Square" texture when none or "Default" was given.
    void Init() override;
    // Advances and submits every particle, then runs the automatic bursts.
    void Update(float dt) override;
    // The quads are built in Update.
    void PrepareFrame(const CullView*, float) override {}

    // Emits one burst: emitCount plus a spread of randomEmitCount.
    void EmitBurst();
    // Particles in one burst: emitCount plus one draw of the spread; may be below 1.
    long long DrawBurstSize() const;
    // Most particles one call of Emit spawns: a mistyped count (4294967295) would
    // otherwise allocate until memory runs out.
    static constexpr long long kMaxBurst = 10000;
    // Emits count particles, at most kMaxBurst; nothing when count is below 1.
    void Emit(long long count);
    // Spawns one particle at the end of the list.
    void EmitOne();

    const ParticleList& Particles() const { return particles; }
    ParticleList& Particles() { return particles; }

    bool updateInEditor = false;      // the level editor animates this emitter
    bool active = true;               // emits bursts by itself
    float emitRate = 0.5f;            // seconds between automatic bursts (a period)
    unsigned emitCount = 25;          // particles per burst
    int randomEmitCount = 0;
    float particleDuration = 1.5f;    // seconds of life before fading
    float randomDuration = 0.0f;
    float fadeDuration = 0.5f;        // seconds of fade after life; 0 vanishes at once
    float randomFadeDuration = 0.0f;
    bool hasParticleGravity = false;  // pull toward pointOfGravitation as well
    tvec2 pointOfGravitation{0.0f};   // world units
    float gravityStrength = 0.0f;     // factor on the pull, per second squared per unit
    float gravityRange = 0.0f;        // world units; 0 pulls at any distance
    float gravMinCoeff = 0.1f;        // share of the pull left at the edge of the range, 0 to 1
    tvec4 color{1.0f};                // start colour r, g, b, a
    tvec4 randomColor{0.0f};
    cColorChanger colorChange;        // per second, while alive
    tvec4 randomColorChange{0.0f};
    tvec2 spawnOffset{0.0f};          // from the entity's Position, world units
    tvec2 randomSpawnOffset{0.0f};
    tvec2 velocity{0.0f};             // units per second
    tvec2 randomVelocity{2.0f};
    tvec2 acceleration{0.0f};         // units per second squared
    tvec2 randomAcceleration{0.0f};
    tvec2 scale{1.0f};                // start size, units
    bool evenRandomScaling = false;   // one spread factor for both axes of scale, one for growth
    tvec2 randomScale{0.0f};
    tvec2 growthRate{0.0f};           // size change per second
    tvec2 randomGrowthRate{0.0f};
    float rotation = 0.0f;            // start rotation, radians
    float randomRotation = 0.0f;
    float rotationRate = 0.0f;        // radians per second
    float randomRotationRate = 0.0f;

private:
    // Advances one particle by dt; false when it is to be removed.
    bool Advance(Particle& particle, float dt) const;
    // Acceleration from the point of gravitation at the particle's place.
    tvec2 Pull(const Particle& particle) const;
    void SpawnSize(Particle& particle) const;
    void RunBursts(float dt);

    ParticleList particles;
    float burstTimer = 0.0f; // seconds since the last automatic burst
};
} // namespace Orvex
