#include "data/LevelSettings.h"

#include "graphics/Color.h"

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
} // namespace Orvex
