#include "game/components/ChangeResolutionOnClick.h"

#include <SDL.h>

#include "engine/Log.h"
#include "engine/PlayerSettings.h"
#include "engine/Window.h"
#include "game/components/ExpandOnMouseOver.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ChangeResolutionOnClick)

ORVEX_MEMBERS(ChangeResolutionOnClick)
{
    ORVEX_FIELD(width, "Width");
    ORVEX_FIELD(height, "Height");
}

PixelSize ChosenResolution(PixelSize requested, PixelSize display)
{
    if (display.width >= requested.width && display.height >= requested.height)
        return requested;
    return display;
}

void ChangeResolutionOnClick::Update(float)
{
    if (auto* look = owner->Get<ExpandOnMouseOver>())
    {
        const Window::Size size = Window::WindowedSize();
        look->chosen = size.width == width && size.height == height;
    }
}

void ChangeResolutionOnClick::OnClick()
{
    PixelSize size{width, height};
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) == 0)
        size = ChosenResolution(size, {bounds.w, bounds.h});
    else
        Log(std::string("Display size unknown, asking for the requested one: ") + SDL_GetError());
    Window::ResizeCentred(size.width, size.height);
    PlayerSettings::StoreWindow();
}
} // namespace Orvex
