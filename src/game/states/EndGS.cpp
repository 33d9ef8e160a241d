#include "game/states/EndGS.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(EndGS)

EndGS::EndGS() : ScreenState({}, "endscreen", true) {}
} // namespace Orvex
