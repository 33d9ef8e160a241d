#include "game/components/Pickup.h"

#include "audio/SoundEmitter.h"
#include "engine/Engine.h"
#include "game/components/TumboController.h"
#include "game/states/Gameplay.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "messaging/Message.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Pickup)

ORVEX_MEMBERS(Pickup)
{
    ORVEX_FIELD(score, "Score");
    ORVEX_FIELD(destroyDelay, "destroyDelay");
}

void Pickup::Init()
{
    RequireCollider();
    RequireComponent<Sprite>();
    Subscribe(MSG_COLLISION, &Pickup::OnCollision);
    if (auto* play = dynamic_cast<Gameplay*>(Engine::Get()->ActiveGamestate()))
        play->AddAvailablePoints(score);
}

void Pickup::OnCollision(const void* payload)
{
    const CollisionMessage& contact = *static_cast<const CollisionMessage*>(payload);
    if (collected || !IsPlayer(contact.Other))
        return;
    collected = true;
    if (Sprite* sprite = owner->Get<Sprite>())
        sprite->visible = false;
    if (ParticleEmitter* glow = owner->Get<ParticleEmitter>())
        glow->active = false;
    if (SoundEmitter* emitter = owner->Get<SoundEmitter>())
        emitter->Play();
}

void Pickup::Update(float dt)
{
    if (!collected)
        return;
    timer += dt;
    if (timer >= destroyDelay)
        if (IGamestate* state = Engine::Get()->ActiveGamestate())
            state->RemoveEntity(owner->id);
}
} // namespace Orvex
