#include "data/LevelSettings.h"

#include "engine/IGamestate.h"
#include "graphics/Color.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(LevelSettings)

ORVEX_MEMBERS(LevelSettings)
{
    ORVEX_FIELD(gravitySpeed, "GravitySpeed");
    ORVEX_FIELD(endTimer, "EndTimer");
    ORVEX_FIELD(nextLevel, "NextLevel");
}

void LevelSettings::Init() { RequireComponent<Color>(); }

LevelSettings* LevelSettingsOf(const IGamestate& state)
{
    Entity* entity = state.LevelSettingsEntity();
    return entity ? entity->Get<LevelSettings>() : nullptr;
}
} // namespace Orvex
