#include "game/states/QuitGS.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(QuitGS)

QuitGS::QuitGS()
    : ScreenState({"GraphicsSystem", "CollisionsSystem", "MessageSystem", "ActionSystem"}, "Quit",
                  true)
{
}

void QuitGS::AfterComponents(float)
{
    PopOnBack();
}
} // namespace Orvex
