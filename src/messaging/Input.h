#pragma once
// The process-wide input state: 512 key flags by SDL scancode, a 7-bit mouse set
// and the gamepad's buttons, each with its copy from the previous frame. A key or
// button "went down this frame" when it is down now and was not in the previous
// copy. The buttons of every open gamepad count as one pad's.

#include <bitset>

#include "engine/Math.h"

namespace Orvex
{
namespace Input
{
constexpr unsigned KeyCount = 512;

// Mouse set bits.
enum MouseBit : unsigned
{
    MouseLeft = 1,
    MouseMiddle = 2,
    MouseRight = 3,
    MouseDoubleClick = 4, // set for the frame whose polling saw it
    MouseWheelUp = 5,
    MouseWheelDown = 6,
};

// Gamepad bits: SDL's game-controller buttons (A 0, B 1, X 2, Y 3, Back 4,
// Guide 5, Start 6, ... d-pad up 11, down 12, left 13, right 14), then the left
// stick pushed past half way in each direction, so that a push is a press too.
constexpr unsigned PadButtonCount = 21;
enum PadBit : unsigned
{
    PadA = 0,
    PadB = 1,
    PadStart = 6,
    PadUp = 11,
    PadDown = 12,
    PadLeft = 13,
    PadRight = 14,
    PadStickLeft = PadButtonCount,
    PadStickRight,
    PadStickUp,
    PadStickDown,
    PadBitCount,
};
constexpr float PadDeadZone = 0.25f; // of the stick's reach, ignored around its centre

struct State
{
    std::bitset<KeyCount> keys;
    std::bitset<KeyCount> previousKeys;
    // Pressed since the last Roll, even when released again before it: a tap shorter
    // than a slow frame still counts as a press.
    std::bitset<KeyCount> keysWentDown;
    std::bitset<7> mouseButtons;
    std::bitset<7> previousMouseButtons;
    int mouseX = 0; // window pixels, from the top-left corner
    int mouseY = 0;
    std::bitset<PadBitCount> pad;
    std::bitset<PadBitCount> previousPad;
    float padLeftX = 0.0f; // the left stick, -1 … 1, right and down positive
    float padLeftY = 0.0f;
};

State& Current();

// Start of frame, before polling: the previous copies catch up and the one-frame
// bits (double-click, wheel) are cleared.
void Roll();

bool KeyHeld(unsigned scancode);
bool KeyWentDown(unsigned scancode);
bool MouseButtonHeld(unsigned button);
bool MouseButtonPressed(unsigned button);
bool LeftButtonReleased();
bool DoubleClicked();

bool PadHeld(unsigned bit);
bool PadWentDown(unsigned bit);
// -1 (left) … 1 (right): the d-pad at full, otherwise the left stick past its
// dead zone, rescaled so that the lean grows from 0 at its edge.
float PadLean();
// Escape or the gamepad's B went down this frame: back one screen.
bool BackWentDown();

// A gamepad button (0 … PadButtonCount - 1) down or up; others are ignored.
void PadButton(unsigned button, bool down);
// The left stick's position, with the direction bits it sets.
void PadStick(float x, float y);
// Every pad button up and the stick centred (the last gamepad went away).
void PadReleased();

// Sets / clears the key and sends MSG_KEYDOWN / MSG_KEYUP with the scancode.
// Scancodes outside the key set are ignored.
void KeyDown(unsigned scancode);
void KeyUp(unsigned scancode);

// The mouse in device coordinates: (2x / width - 1, 1 - 2y / height).
tvec2 MouseDevicePosition();
} // namespace Input
} // namespace Orvex
