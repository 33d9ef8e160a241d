#include "audio/PlaySoundOnCollision.h"

#include "audio/SoundEmitter.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(PlaySoundOnCollision)

ORVEX_MEMBERS(PlaySoundOnCollision) {}

void PlaySoundOnCollision::Init()
{
    RequireComponent<SoundEmitter>();
    Subscribe(MSG_COLLISION, &PlaySoundOnCollision::OnCollision);
}

void PlaySoundOnCollision::OnCollision(const void*)
{
    if (played)
        return;
    if (SoundEmitter* emitter = owner->Get<SoundEmitter>())
        emitter->Play();
    played = true;
}
} // namespace Orvex
