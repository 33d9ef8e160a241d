#pragma once
// The look of a button: bigger and recoloured while the cursor is over it or it
// has the keyboard's focus, and in another colour at rest while it stands for
// what is chosen now (the window's size).

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class ExpandOnMouseOver : public IComponent
{
    ORVEX_COMPONENT(ExpandOnMouseOver)

    // Remembers the Transform's scale and the Color as they are now.
    void Init() override;
    // Over the entity (a drawn one with a solid collider) or focused: remembered
    // scale + ScaleUp and NewColor; otherwise the remembered scale and, when
    // chosen, ChosenColor, else the remembered colour.
    void Update(float dt) override;

    float scaleUp = 0.25f;                  // "ScaleUp": world units added to each axis
    tvec4 newColor{1.0f, 1.0f, 1.0f, 1.0f}; // "NewColor": r, g, b, a while hovered
    tvec4 chosenColor{0.55f, 1.0f, 0.45f, 1.0f}; // "ChosenColor": r, g, b, a while chosen

    bool focused = false; // set by the screen's focus (MenuFocus)
    bool chosen = false;  // set by the button's own behaviour

    tvec2 restScale{1.0f, 1.0f};
    tvec4 restColor{1.0f, 1.0f, 1.0f, 1.0f};
};
} // namespace Orvex
