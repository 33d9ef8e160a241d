#pragma once
// Turns the window's events into input state and messages. All sends go through
// Engine::SendMessage, so they are queued and delivered at the end of the frame.

union SDL_Event;

namespace Orvex
{
// Handles every pending event of SDL's queue.
void PollEvents();
void TranslateEvent(const SDL_Event& event);

// The debug interface (the level editor's) sees every event first.
using EventHook = void (*)(const SDL_Event& event);
void SetEventHook(EventHook hook);
} // namespace Orvex
