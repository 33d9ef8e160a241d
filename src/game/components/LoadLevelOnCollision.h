#pragma once
// The goal of a level: the player's touch ends the level and names the next one;
// the play state waits the level's EndTimer and then loads it.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class LoadLevelOnCollision : public IComponent
{
    ORVEX_COMPONENT(LoadLevelOnCollision)

    void Init() override;
    // A touch by the player: MSG_END_LEVEL, the next level's name into the level
    // settings, and the entity's sound the first time only.
    void OnCollision(const void* payload);

    std::string levelName; // "LevelName": a name beginning with '0' leaves the play state

    bool sounded = false;
};
} // namespace Orvex
