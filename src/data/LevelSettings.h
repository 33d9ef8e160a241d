#pragma once
// The settings of one level, held by the entity that the level file names.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class IGamestate;

class LevelSettings : public IComponent
{
    ORVEX_COMPONENT(LevelSettings)

    void Init() override;

    float gravitySpeed = 10.0f; // units per second squared for a body with Gravity (0, 1)
    float endTimer = 0.0f;      // seconds between the level's end and the next level
    std::string nextLevel;      // a name beginning with '0' means "back to the state below"
};

// The LevelSettings of the state's level-settings entity; null when it has none.
LevelSettings* LevelSettingsOf(const IGamestate& state);
} // namespace Orvex
