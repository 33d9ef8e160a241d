#include "game/components/PickupParticleHelper.h"

#include "data/Level.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/SceneView.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(PickupParticleHelper)

ORVEX_MEMBERS(PickupParticleHelper) {}

namespace
{
const tvec2 CornerWithoutHud(-0.7f, 0.7f);
} // namespace

void PickupParticleHelper::Init()
{
    RequireComponent<ParticleEmitter>();
    const IGamestate* state = Engine::Get()->ActiveGamestate();
    const Entity* hud = state ? state->FindEntity("hud") : nullptr;
    hasHud = hud != nullptr;
    hudId = hud ? hud->id : 0;
}

const Entity* PickupParticleHelper::Hud() const
{
    const IGamestate* state = Engine::Get()->ActiveGamestate();
    if (!hasHud || !state)
        return nullptr;
    const auto found = state->Entities().find(hudId);
    return found != state->Entities().end() ? found->second : nullptr;
}

tvec2 PickupParticleHelper::TargetCorner() const
{
    const Entity* hud = Hud();
    const Transform* transform = hud ? hud->Get<Transform>() : nullptr;
    if (!transform)
        return CornerWithoutHud;
    return {transform->position.x + transform->scale.x * 0.5f,
            transform->position.y - transform->scale.y * 0.5f};
}

void PickupParticleHelper::Update(float)
{
    ParticleEmitter* emitter = owner->Get<ParticleEmitter>();
    if (!tracking || !emitter)
        return;
    const tvec2 corner = TargetCorner();
    for (Particle& particle : emitter->Particles())
    {
        if (!(particle.life > 0.0f) || particle.position.x >= corner.x || particle.position.y <= corner.y)
            continue;
        particle.life = 0.0f;
        if (++arrivals < particlesPerPoint)
            continue;
        arrivals = 0;
        Engine::Get()->Send(MSG_ADD_SCORE, ScoreMessage{1});
    }
}

Entity* ReleaseScoreBurst(const tvec2& worldPosition, long long count, unsigned particlesPerPoint)
{
    IGamestate* state = Engine::Get()->ActiveGamestate();
    if (!state)
        return nullptr;
    Entity* burst = CreateFromArchetype("explosion", "PickupExplosion");
    state->AddEntity(burst);
    if (Transform* transform = burst->Get<Transform>())
        transform->position = tvec2(SceneView(*state).WorldView() * glm::vec3(worldPosition, 1.0f));
    if (ParticleEmitter* emitter = burst->Get<ParticleEmitter>())
        emitter->Emit(count);
    if (PickupParticleHelper* helper = burst->Get<PickupParticleHelper>())
    {
        helper->particlesPerPoint = particlesPerPoint;
        helper->StartTracking();
    }
    return burst;
}
} // namespace Orvex
