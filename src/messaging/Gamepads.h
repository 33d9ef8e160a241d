#pragma once
// The gamepads, through SDL's game-controller layer, so that every pad it knows
// has the same button names. Pads come and go while the game runs: each one SDL
// announces is opened, and its buttons and left stick feed the input state.

union SDL_Event;

namespace Orvex
{
namespace Gamepads
{
// Handles the game-controller events (arrival, removal, buttons, the left stick)
// and swallows the raw joystick events beneath them. False for any other event.
bool Translate(const SDL_Event& event);
// Pads open now.
int Count();
// Closes every pad (before SDL shuts down).
void CloseAll();
} // namespace Gamepads
} // namespace Orvex
