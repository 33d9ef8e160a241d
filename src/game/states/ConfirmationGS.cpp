#include "game/states/ConfirmationGS.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(ConfirmationGS)

ConfirmationGS::ConfirmationGS() : ScreenState({}, "confirm", true) {}
} // namespace Orvex
