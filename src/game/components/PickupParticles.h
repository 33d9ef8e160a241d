#pragma once
// A pickup's score flying home: when the player collects it, a burst of
// Score x particlesPerPoint particles leaves the player's place on screen for
// the score display, where each particlesPerPoint arrivals add a point. The
// pickup's own glow grows with its worth.
//
// Only the player's touch fires the burst, the touch that collects the pickup:
// a first contact with anything else would otherwise spend the one burst, and
// the points with it.

#include "object/IComponent.h"

namespace Orvex
{
class Entity;

class PickupParticles : public IComponent
{
    ORVEX_COMPONENT(PickupParticles)

    // Needs a ParticleEmitter and a Pickup; the emitter's burst size becomes the
    // pickup's Score (none for a negative Score).
    void Init() override;
    void OnCollision(const void* payload);

    unsigned particlesPerPoint = 0; // "particlesPerPoint"

    bool fired = false;
};

// Sizes a pickup's own glow to its worth: its ParticleEmitter's burst becomes
// the Pickup's Score, and none for a negative Score (which would wrap round to
// billions). Nothing without either component.
void GlowWithWorth(const Entity& pickup);
} // namespace Orvex
