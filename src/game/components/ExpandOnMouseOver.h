#pragma once
// The hover of a button: bigger and recoloured while the cursor is over it.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class ExpandOnMouseOver : public IComponent
{
    ORVEX_COMPONENT(ExpandOnMouseOver)

    // Remembers the Transform's scale and the Color as they are now.
    void Init() override;
    // Over the entity (a drawn one with a solid collider): remembered scale +
    // ScaleUp and NewColor; otherwise the remembered values again.
    void Update(float dt) override;

    float scaleUp = 0.25f;                  // "ScaleUp": world units added to each axis
    tvec4 newColor{1.0f, 1.0f, 1.0f, 1.0f}; // "NewColor": r, g, b, a while hovered

    tvec2 restScale{1.0f, 1.0f};
    tvec4 restColor{1.0f, 1.0f, 1.0f, 1.0f};
};
} // namespace Orvex
