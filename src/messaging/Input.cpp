#include "messaging/Input.h"

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
    state.previousMouseButtons = state.mouseButtons;
    state.mouseButtons.reset(MouseDoubleClick);
    state.mouseButtons.reset(MouseWheelUp);
    state.mouseButtons.reset(MouseWheelDown);
}

bool KeyHeld(unsigned scancode) { return scancode < KeyCount && Current().keys[scancode]; }

bool KeyWentDown(unsigned scancode)
{
    return KeyHeld(scancode) && !Current().previousKeys[scancode];
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

namespace
{
void SetKey(unsigned scancode, bool down, std::uint32_t type)
{
    if (scancode >= KeyCount)
        return;
    Current().keys[scancode] = down;
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
