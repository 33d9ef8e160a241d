#pragma once
// Swaps the level's music when the player touches the entity: the level-settings
// entity's SoundEmitter is silenced, given this component's music and started
// again, so every touch starts the music over.

#include "audio/cSound.h"
#include "object/IComponent.h"

namespace Orvex
{
class ChangeMusicOnCollision : public IComponent
{
    ORVEX_COMPONENT(ChangeMusicOnCollision)

    // Listens for MSG_COLLISION.
    void Init() override;
    // Only contacts whose other entity is the player (has a TumboController);
    // nothing when the level settings carry no SoundEmitter.
    void OnCollision(const void* payload);

    cSound music; // "Music": the new music
};
} // namespace Orvex
