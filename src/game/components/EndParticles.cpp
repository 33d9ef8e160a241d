#include "game/components/EndParticles.h"

#include "engine/Random.h"
#include "game/components/Pickup.h"
#include "game/components/PickupParticleHelper.h"
#include "game/components/PickupParticles.h"
#include "game/components/TumboController.h"
#include "graphics/ParticleEmitter.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(EndParticles)

ORVEX_MEMBERS(EndParticles)
{
    ORVEX_FIELD(numExplosions, "numExplosions");
    ORVEX_FIELD(explosionFrequency, "explosionFrequency");
    ORVEX_FIELD(randSpawnOffset, "randSpawnOffset");
}

void EndParticles::Init()
{
    RequireComponent<ParticleEmitter>();
    RequireComponent<Pickup>();
    Subscribe(MSG_COLLISION, &EndParticles::OnCollision);
    GlowWithWorth(*owner);
}

void EndParticles::OnCollision(const void* payload)
{
    // Like the pickup, only the player's touch counts.
    if (started || !IsPlayer(static_cast<const CollisionMessage*>(payload)->Other))
        return;
    started = true;
    Release();
}

void EndParticles::Update(float dt)
{
    if (!started || released >= numExplosions)
        return;
    timer += dt;
    if (timer > explosionFrequency)
    {
        timer = 0.0f;
        Release();
    }
}

void EndParticles::Release()
{
    const Pickup* pickup = owner->Get<Pickup>();
    const Transform* transform = owner->Get<Transform>();
    // No explosions asked for: the score has nothing to be shared among.
    if (released >= numExplosions || !pickup || !transform)
        return;
    tvec2 place = transform->position;
    place.x += Random::Spread(randSpawnOffset.x);
    place.y += Random::Spread(randSpawnOffset.y);
    ReleaseScoreBurst(place, static_cast<long long>(pickup->score) / numExplosions, 1);
    ++released;
}
} // namespace Orvex
