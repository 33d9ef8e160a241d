#include "graphics/ActivatorParticles.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/ParticleEmitter.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ActivatorParticles)

ORVEX_MEMBERS(ActivatorParticles)
{
    ORVEX_FIELD(rocketPad, "rocketPad");
}

void ActivatorParticles::Init()
{
    RequireComponent<ParticleEmitter>();
    Subscribe(MSG_SET_ACTIVE, &ActivatorParticles::OnSetActive);
    if (ParticleEmitter* emitter = owner->Get<ParticleEmitter>())
        emitter->active = true;
}

void ActivatorParticles::Update(float)
{
    if (padId)
        return;
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    // The id, not the entity: the pad may be destroyed before it fires.
    if (const Entity* pad = state ? state->FindEntity(rocketPad) : nullptr)
        padId = pad->id;
}

void ActivatorParticles::OnSetActive(const void* payload)
{
    const Entity* target = static_cast<const SetActiveMessage*>(payload)->target;
    ParticleEmitter* emitter = owner->Get<ParticleEmitter>();
    if (stopped || !padId || !target || target->id != *padId || !emitter)
        return;
    stopped = true;
    emitter->active = false;
}
} // namespace Orvex
