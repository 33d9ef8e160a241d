#include "game/components/Fireworks.h"

#include "data/Level.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Random.h"
#include "game/components/KillAfterTime.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Fireworks)

ORVEX_MEMBERS(Fireworks)
{
    ORVEX_FIELD(archetype, "Archetype");
    ORVEX_FIELD(count, "Count");
}

namespace
{
// A whole number, toward zero, of Unit() x span + from.
float WholeDraw(float span, float from) { return static_cast<float>(static_cast<int>(Random::Unit() * span + from)); }
} // namespace

void Fireworks::Init() { Subscribe(MSG_KEYDOWN, &Fireworks::OnKeyDown); }

void Fireworks::OnKeyDown(const void* payload)
{
    if (static_cast<const KeyMessage*>(payload)->scancode != SpaceKey)
        return;
    for (int i = 0; i < count; ++i)
        Launch();
}

void Fireworks::Launch() const
{
    IGamestate* state = Engine::Get()->ActiveGamestate();
    if (!state)
        return;
    Entity* rocket = CreateFromArchetype("", archetype);
    // Drawn in this order whatever the rocket holds, so the numbers stay in step.
    const float speedX = WholeDraw(5.0f, -2.0f);
    const float speedY = WholeDraw(5.0f, 3.0f);
    const float life = WholeDraw(3.0f, 1.0f);
    const Transform* here = owner->Get<Transform>();
    if (Transform* transform = rocket->Get<Transform>(); transform && here)
        transform->position = here->position;
    if (RigidBody* body = rocket->Get<RigidBody>())
        body->velocity = tvec2(speedX, speedY);
    if (KillAfterTime* kill = rocket->Get<KillAfterTime>())
        kill->time = life;
    state->AddEntity(rocket);
}
} // namespace Orvex
