#include "game/states/PauseGS.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(PauseGS)

PauseGS::PauseGS()
    : ScreenState(
          {"GraphicsSystem", "PhysicsSystem", "CollisionsSystem", "MessageSystem", "ActionSystem"},
          "pause", true)
{
}

void PauseGS::AfterComponents(float)
{
    PopOnBack(true);
}
} // namespace Orvex
