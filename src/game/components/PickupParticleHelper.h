#pragma once
// A score burst on the HUD: it counts the particles of its emitter that reach the
// score display's corner, ends each one there, and adds one point for every
// particlesPerPoint arrivals.
//
// The emitter's live list is walked every frame instead of keeping pointers to
// the particles: the emitter frees a particle when it fades out, and a pointer
// kept past that would read freed memory. A particle counts while it is alive;
// counting ends its life, which starts its fade and keeps it from counting twice.
// So every particle the burst's emitter holds counts (the burst emits only what
// it is told to), and one that fades before it arrives brings nothing.

#include <cstdint>

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Entity;

class PickupParticleHelper : public IComponent
{
    ORVEX_COMPONENT(PickupParticleHelper)

    // Needs a ParticleEmitter; remembers the active state's "hud" entity, if any.
    void Init() override;
    // Counts arrivals once tracking has started.
    void Update(float dt) override;
    void StartTracking() { tracking = true; }

    // Left of this x and above this y a particle has arrived: the hud's
    // lower-right corner, or (-0.7, 0.7) without a hud.
    tvec2 TargetCorner() const;

    unsigned particlesPerPoint = 0; // set by whoever makes the burst; 0 or 1: a point per particle
    unsigned arrivals = 0;          // since the last point
    bool tracking = false;

private:
    const Entity* Hud() const;

    bool hasHud = false;
    std::uint32_t hudId = 0; // looked up again each time, in case the hud has gone
};

// The burst of a collected score: an entity "explosion" from the archetype
// "PickupExplosion" added to the active state at the view-space place of
// worldPosition (the camera's world-to-view matrix), emitting count particles at
// once that its helper counts, particlesPerPoint to a point. Null without an
// active state.
Entity* ReleaseScoreBurst(const tvec2& worldPosition, long long count, unsigned particlesPerPoint);
} // namespace Orvex
