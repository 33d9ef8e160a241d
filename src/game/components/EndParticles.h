#pragma once
// The final object's score, let go in a string of explosions: the player's touch
// releases the first, and one more follows every explosionFrequency seconds until
// numExplosions are out. Each explosion is a score burst on the HUD at a random
// place around the object, carrying an equal share of the Score, one point a
// particle. The pickup's destroyDelay has to outlast the string (numExplosions x
// explosionFrequency): the object's removal ends it, with the rest of the score.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class EndParticles : public IComponent
{
    ORVEX_COMPONENT(EndParticles)

    // Needs a ParticleEmitter and a Pickup; the emitter's burst size becomes the
    // pickup's Score.
    void Init() override;
    void Update(float dt) override;
    void OnCollision(const void* payload);

    unsigned numExplosions = 20;             // "numExplosions": none at all when 0
    float explosionFrequency = 0.5f;         // "explosionFrequency": seconds between two
    tvec2 randSpawnOffset{7.5f, 7.5f};       // "randSpawnOffset": half-size of the spawn area, world units

    bool started = false;
    unsigned released = 0; // explosions so far
    float timer = 0.0f;    // seconds since the last one

private:
    void Release();
};
} // namespace Orvex
