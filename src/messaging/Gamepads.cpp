#include "messaging/Gamepads.h"

#include <algorithm>
#include <vector>

#include <SDL.h>

#include "engine/Log.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace Gamepads
{
namespace
{
static_assert(Input::PadButtonCount == SDL_CONTROLLER_BUTTON_MAX);

std::vector<SDL_GameController*> pads;

SDL_JoystickID IdOf(SDL_GameController* pad)
{
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

void Open(int deviceIndex)
{
    // SDL announces pads that were there before the start too; one may come twice.
    if (std::any_of(pads.begin(), pads.end(), [&](SDL_GameController* pad)
                    { return IdOf(pad) == SDL_JoystickGetDeviceInstanceID(deviceIndex); }))
        return;
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex))
        pads.push_back(pad);
    else
        Log(std::string("A gamepad could not be opened: ") + SDL_GetError());
}

void Close(SDL_JoystickID id)
{
    const auto found = std::find_if(pads.begin(), pads.end(),
                                    [&](SDL_GameController* pad) { return IdOf(pad) == id; });
    if (found == pads.end())
        return;
    SDL_GameControllerClose(*found);
    pads.erase(found);
    // What the pad held must not stay held: the dog would lean on by itself.
    Input::PadReleased();
}

float AxisValue(Sint16 value) { return std::max(static_cast<float>(value) / 32767.0f, -1.0f); }

void Axis(const SDL_ControllerAxisEvent& event)
{
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(event.which);
    if (!pad || (event.axis != SDL_CONTROLLER_AXIS_LEFTX && event.axis != SDL_CONTROLLER_AXIS_LEFTY))
        return;
    Input::PadStick(AxisValue(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX)),
                    AxisValue(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY)));
}
} // namespace

bool Translate(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(event.cdevice.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        Input::PadButton(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        Axis(event.caxis);
        return true;
    default:
        // The joystick events under the controller ones, and the controller
        // events of no interest (remapping, touch pads, sensors).
        return event.type >= SDL_JOYAXISMOTION && event.type < SDL_FINGERDOWN;
    }
}

int Count() { return static_cast<int>(pads.size()); }

void CloseAll()
{
    for (SDL_GameController* pad : pads)
        SDL_GameControllerClose(pad);
    pads.clear();
    Input::PadReleased();
}
} // namespace Gamepads
} // namespace Orvex
