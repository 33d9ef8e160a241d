#include "messaging/EventTranslation.h"

#include <cstdio>

#include <SDL.h>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "messaging/Gamepads.h"
#include "messaging/Input.h"

namespace Orvex
{
namespace
{
EventHook eventHook = nullptr;

void RequestQuitConfirmation()
{
    Engine* engine = Engine::Get();
    IGamestate* top = engine->ActiveGamestate();
    if (!top || top->TypeName() != "QuitGS")
        engine->PushGamestate("QuitGS");
}

void TranslateWindowEvent(const SDL_WindowEvent& event)
{
    Engine* engine = Engine::Get();
    switch (event.event)
    {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        engine->SendMessage(ENGINE_ACTIVATE);
        break;
    case SDL_WINDOWEVENT_HIDDEN:
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        engine->SendMessage(ENGINE_DEACTIVATE);
        break;
    case SDL_WINDOWEVENT_MOVED:
        engine->Send(MSG_WINDOW_MOVED, SizeMessage{event.data1, event.data2});
        break;
    default:
        break;
    }
}

// Only the three real buttons have bits of their own: the others would land on
// the double-click and wheel bits, or past the set.
bool IsTrackedButton(unsigned button) { return button >= Input::MouseLeft && button <= Input::MouseRight; }

void TranslateMouseButton(const SDL_MouseButtonEvent& event, bool down)
{
    Input::State& input = Input::Current();
    input.mouseX = event.x;
    input.mouseY = event.y;
    if (IsTrackedButton(event.button))
        input.mouseButtons[event.button] = down;
    if (down && event.clicks == 2)
        input.mouseButtons.set(Input::MouseDoubleClick);
    Engine::Get()->SendMessage(down ? MSG_MOUSEBUTTONDOWN : MSG_MOUSEBUTTONUP);
}

void TranslateWheel(const SDL_MouseWheelEvent& event)
{
    if (event.y == 0)
        return;
    const bool up = event.y > 0;
    Input::Current().mouseButtons.set(up ? Input::MouseWheelUp : Input::MouseWheelDown);
    Engine::Get()->SendMessage(up ? MSG_MOUSEWHEELUP : MSG_MOUSEWHEELDOWN);
}
} // namespace

void SetEventHook(EventHook hook) { eventHook = hook; }

void PollEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        TranslateEvent(event);
}

void TranslateEvent(const SDL_Event& event)
{
    if (eventHook)
        eventHook(event);
    switch (event.type)
    {
    case SDL_QUIT:
        RequestQuitConfirmation();
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
    case SDL_KEYDOWN:
        Input::KeyDown(event.key.keysym.scancode);
        break;
    case SDL_KEYUP:
        Input::KeyUp(event.key.keysym.scancode);
        break;
    case SDL_MOUSEMOTION:
        Input::Current().mouseX = event.motion.x;
        Input::Current().mouseY = event.motion.y;
        break;
    case SDL_TEXTEDITING:
    case SDL_TEXTINPUT:
        break;
    case SDL_MOUSEBUTTONDOWN:
        TranslateMouseButton(event.button, true);
        break;
    case SDL_MOUSEBUTTONUP:
        TranslateMouseButton(event.button, false);
        break;
    case SDL_MOUSEWHEEL:
        TranslateWheel(event.wheel);
        break;
    default:
        if (!Gamepads::Translate(event))
            std::printf("%u\n", event.type);
        break;
    }
}
} // namespace Orvex
