#pragma once
// The process-wide input state: 512 key flags by SDL scancode and a 7-bit mouse
// set, each with its copy from the previous frame. A key or button "went down
// this frame" when it is down now and was not in the previous copy.

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

struct State
{
    std::bitset<KeyCount> keys;
    std::bitset<KeyCount> previousKeys;
    std::bitset<7> mouseButtons;
    std::bitset<7> previousMouseButtons;
    int mouseX = 0; // window pixels, from the top-left corner
    int mouseY = 0;
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

// Sets / clears the key and sends MSG_KEYDOWN / MSG_KEYUP with the scancode.
// Scancodes outside the key set are ignored.
void KeyDown(unsigned scancode);
void KeyUp(unsigned scancode);

// The mouse in device coordinates: (2x / width - 1, 1 - 2y / height).
tvec2 MouseDevicePosition();
} // namespace Input
} // namespace Orvex
