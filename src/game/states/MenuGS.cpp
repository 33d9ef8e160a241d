#include "game/states/MenuGS.h"

#include "messaging/Input.h"

#include <SDL_scancode.h>

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(MenuGS)

// The action system runs the camera's glide between the main card and the options.
MenuGS::MenuGS() : ScreenState({"GraphicsSystem", "MessageSystem", "ActionSystem"}, "menu", true)
{
}

void MenuGS::AfterComponents(float)
{
    if (Input::KeyWentDown(SDL_SCANCODE_R))
        RequestLevel(CurrentLevel());
}
} // namespace Orvex
