#pragma once
// A plain screen, level "confirm": no systems, so it draws nothing and gets no
// messages; its components may poll the keys.

#include "game/states/ScreenState.h"
#include "object/Reflection.h"

namespace Orvex
{
class ConfirmationGS : public ScreenState
{
    ORVEX_GAMESTATE(ConfirmationGS)

public:
    ConfirmationGS();
};
} // namespace Orvex
