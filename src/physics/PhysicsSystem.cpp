#include "physics/PhysicsSystem.h"

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(PhysicsSystem)

namespace
{
// The GravitySpeed of the state's level settings; 0 when it has none, so that a
// state without a level still runs its bodies (they simply do not fall).
float LevelGravity(const IGamestate& state)
{
    const LevelSettings* settings = LevelSettingsOf(state);
    return settings ? settings->gravitySpeed : 0.0f;
}
} // namespace

void PhysicsSystem::Update(float dt)
{
    Engine* engine = Engine::Get();
    const IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    if (!state)
        return;
    const float g = LevelGravity(*state);
    for (const auto& entry : state->Entities())
    {
        RigidBody* body = entry.second->Get<RigidBody>();
        Transform* transform = entry.second->Get<Transform>();
        // Without a Transform (dependency checks off) there is nothing to move.
        if (!body || !transform)
            continue;
        if (!body->isStatic)
        {
            body->velocity.x -= body->gravity.x * g * dt;
            body->velocity.y -= body->gravity.y * g * dt;
        }
        transform->position.x += body->velocity.x * dt;
        transform->position.y += body->velocity.y * dt;
    }
}
} // namespace Orvex
