#include "game/components/FullscreenOnClick.h"

#include "engine/PlayerSettings.h"
#include "engine/Window.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(FullscreenOnClick)

ORVEX_MEMBERS(FullscreenOnClick) {}

void FullscreenOnClick::OnClick()
{
    Window::ToggleFullscreen();
    PlayerSettings::StoreWindow();
}
} // namespace Orvex
