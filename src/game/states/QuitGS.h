#pragma once
// The quit confirmation, level "Quit", pushed when the window is closed; Escape
// or a gamepad's B cancels.

#include "game/states/ScreenState.h"
#include "object/Reflection.h"

namespace Orvex
{
class QuitGS : public ScreenState
{
    ORVEX_GAMESTATE(QuitGS)

public:
    QuitGS();

private:
    void AfterComponents(float dt) override;
};
} // namespace Orvex
