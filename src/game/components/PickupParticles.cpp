#include "game/components/PickupParticles.h"

#include "game/components/Pickup.h"
#include "game/components/PickupParticleHelper.h"
#include "game/components/TumboController.h"
#include "graphics/ParticleEmitter.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(PickupParticles)

ORVEX_MEMBERS(PickupParticles) { ORVEX_FIELD(particlesPerPoint, "particlesPerPoint"); }

void GlowWithWorth(const Entity& pickup)
{
    const Pickup* worth = pickup.Get<Pickup>();
    if (ParticleEmitter* glow = pickup.Get<ParticleEmitter>(); glow && worth)
        glow->emitCount = worth->score > 0 ? static_cast<unsigned>(worth->score) : 0u;
}

void PickupParticles::Init()
{
    RequireComponent<ParticleEmitter>();
    RequireComponent<Pickup>();
    Subscribe(MSG_COLLISION, &PickupParticles::OnCollision);
    GlowWithWorth(*owner);
}

void PickupParticles::OnCollision(const void* payload)
{
    const CollisionMessage& contact = *static_cast<const CollisionMessage*>(payload);
    const Pickup* pickup = owner->Get<Pickup>();
    const Transform* player = contact.Other ? contact.Other->Get<Transform>() : nullptr;
    if (fired || !pickup || !IsPlayer(contact.Other) || !player)
        return;
    fired = true;
    ReleaseScoreBurst(player->position, static_cast<long long>(pickup->score) * particlesPerPoint,
                      particlesPerPoint);
}
} // namespace Orvex
