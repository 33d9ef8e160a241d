#pragma once
// Starts the entity's SoundEmitter at its first contact of any kind, once.

#include "object/IComponent.h"

namespace Orvex
{
class PlaySoundOnCollision : public IComponent
{
    ORVEX_COMPONENT(PlaySoundOnCollision)

    // Needs a SoundEmitter; listens for MSG_COLLISION.
    void Init() override;
    void OnCollision(const void* payload);

    bool played = false;
};
} // namespace Orvex
