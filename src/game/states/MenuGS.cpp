#include "game/states/MenuGS.h"

#include "messaging/Input.h"

#include <SDL_scancode.h>

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(MenuGS)

MenuGS::MenuGS() : ScreenState({"GraphicsSystem", "MessageSystem"}, "menu", true) {}

void MenuGS::AfterComponents(float)
{
    if (Input::KeyWentDown(SDL_SCANCODE_R))
        RequestLevel(CurrentLevel());
}
} // namespace Orvex
