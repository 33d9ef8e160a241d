#pragma once
// The end of the game, level "endscreen": no systems, like the confirmation screen.

#include "game/states/ScreenState.h"
#include "object/Reflection.h"

namespace Orvex
{
class EndGS : public ScreenState
{
    ORVEX_GAMESTATE(EndGS)

public:
    EndGS();
};
} // namespace Orvex
