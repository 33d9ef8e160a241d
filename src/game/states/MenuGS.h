#pragma once
// The main menu, level "menu": R reloads it. Popping the menu ends the program.

#include "game/states/ScreenState.h"
#include "object/Reflection.h"

namespace Orvex
{
class MenuGS : public ScreenState
{
    ORVEX_GAMESTATE(MenuGS)

public:
    MenuGS();

private:
    void AfterComponents(float dt) override;
};
} // namespace Orvex
