#include "graphics/EmitOnMessage.h"

#include "graphics/ParticleEmitter.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(EmitOnMessage)

ORVEX_MEMBERS(EmitOnMessage)
{
    ORVEX_FIELD(onLevelEnd, "onLevelEnd");
    ORVEX_FIELD(onCollision, "onCollision");
}

void EmitOnMessage::Init()
{
    RequireComponent<ParticleEmitter>();
    if (onLevelEnd || onCollision)
        Subscribe(MSG_END_LEVEL, &EmitOnMessage::OnLevelEnd);
}

void EmitOnMessage::OnLevelEnd(const void*)
{
    ParticleEmitter* emitter = owner->Get<ParticleEmitter>();
    if (emitted || !emitter)
        return;
    emitted = true;
    emitter->EmitBurst();
}
} // namespace Orvex
