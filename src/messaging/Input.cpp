#include "messaging/Input.h"

#include <algorithm>
#include <cmath>

#include <SDL_scancode.h>

#include "engine/Engine.h"
#include "engine/Window.h"

namespace Orvex
{
namespace Input
{
State& Current()
{
    static State state;
    return state;
}

void Roll()
{
    State& state = Current();
    state.previousKeys = state.keys;
    state.keysWentDown.reset();
    state.previousMouseButtons = state.mouseButtons;
    state.previousPad = state.pad;
    state.mouseButtons.reset(MouseDoubleClick);
    state.mouseButtons.reset(MouseWheelUp);
    state.mouseButtons.reset(MouseWheelDown);
}

bool KeyHeld(unsigned scancode) { return scancode < KeyCount && Current().keys[scancode]; }

bool KeyWentDown(unsigned scancode)
{
    return scancode < KeyCount &&
        (Current().keysWentDown[scancode] || (KeyHeld(scancode) && !Current().previousKeys[scancode]));
}

bool MouseButtonHeld(unsigned button) { return button < 7 && Current().mouseButtons[button]; }

bool MouseButtonPressed(unsigned button)
{
    return MouseButtonHeld(button) && !Current().previousMouseButtons[button];
}

bool LeftButtonReleased()
{
    return !Current().mouseButtons[MouseLeft] && Current().previousMouseButtons[MouseLeft];
}

bool DoubleClicked() { return Current().mouseButtons[MouseDoubleClick]; }

bool PadHeld(unsigned bit) { return bit < PadBitCount && Current().pad[bit]; }

bool PadWentDown(unsigned bit) { return PadHeld(bit) && !Current().previousPad[bit]; }

float PadLean()
{
    const bool left = PadHeld(PadLeft), right = PadHeld(PadRight);
    if (left != right)
        return right ? 1.0f : -1.0f;
    const float x = Current().padLeftX;
    const float beyond = std::abs(x) - PadDeadZone;
    if (beyond <= 0.0f)
        return 0.0f;
    return std::copysign(std::min(beyond / (1.0f - PadDeadZone), 1.0f), x);
}

bool BackWentDown() { return KeyWentDown(SDL_SCANCODE_ESCAPE) || PadWentDown(PadB); }

void PadButton(unsigned button, bool down)
{
    if (button < PadButtonCount)
        Current().pad[button] = down;
}

void PadStick(float x, float y)
{
    State& state = Current();
    state.padLeftX = x;
    state.padLeftY = y;
    constexpr float push = 0.5f;
    state.pad[PadStickLeft] = x < -push;
    state.pad[PadStickRight] = x > push;
    state.pad[PadStickUp] = y < -push;
    state.pad[PadStickDown] = y > push;
}

void PadReleased()
{
    State& state = Current();
    state.pad.reset();
    state.padLeftX = state.padLeftY = 0.0f;
}

namespace
{
void SetKey(unsigned scancode, bool down, std::uint32_t type)
{
    if (scancode >= KeyCount)
        return;
    State& state = Current();
    if (down && !state.keys[scancode])
        state.keysWentDown.set(scancode);
    state.keys[scancode] = down;
    if (Engine* engine = Engine::Get())
        engine->Send(type, KeyMessage{scancode});
}
} // namespace

void KeyDown(unsigned scancode) { SetKey(scancode, true, MSG_KEYDOWN); }

void KeyUp(unsigned scancode) { SetKey(scancode, false, MSG_KEYUP); }

tvec2 MouseDevicePosition()
{
    const State& state = Current();
    const float width = static_cast<float>(Window::Width() > 0 ? Window::Width() : 1);
    const float height = static_cast<float>(Window::Height() > 0 ? Window::Height() : 1);
    return {2.0f * static_cast<float>(state.mouseX) / width - 1.0f,
            1.0f - 2.0f * static_cast<float>(state.mouseY) / height};
}
} // namespace Input
} // namespace Orvex
