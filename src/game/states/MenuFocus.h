#pragma once
// The keyboard's and the gamepad's way through a screen's buttons. One button at
// a time has the focus and looks hovered; the arrow keys, the d-pad or the left
// stick move it to the nearest button that way, and Return, Space or A press it.
// On a volume slider, left and right slide it instead.
//
// The focus shows from the first of those keys and hides when the mouse moves, so
// that a mouse player never sees it. Only buttons in view can have it: when the
// view has glided elsewhere (to the options), the topmost button there takes it.

#include <cstdint>

#include "engine/Math.h"

namespace Orvex
{
class Entity;
class IGamestate;

class MenuFocus
{
public:
    static constexpr float sliderStep = 0.1f; // volume per press

    // Once a frame, after the screen's components.
    void Update(IGamestate& state);
    // The focused entity while the focus shows, else null.
    Entity* Focused(const IGamestate& state) const;

private:
    void Show(Entity* entity, IGamestate& state);
    void Move(tvec2 direction, IGamestate& state);
    bool MouseMoved();

    std::uint32_t focused = 0; // entity id, while shown
    bool shown = false;
    int mouseX = 0, mouseY = 0; // as last seen
};
} // namespace Orvex
