#include "graphics/UpdateParticleSystem.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/ParticleEmitter.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(UpdateParticleSystem)

void UpdateParticleSystem::Update(float dt)
{
    IGamestate* state = Engine::Get() ? Engine::Get()->ActiveGamestate() : nullptr;
    if (!state)
        return;
    for (const auto& entry : state->Entities())
    {
        ParticleEmitter* emitter = entry.second->Get<ParticleEmitter>();
        if (!emitter)
            continue;
        if (emitter->updateInEditor)
            emitter->Update(dt);
        else
            emitter->streams.Clear();
    }
}
} // namespace Orvex
