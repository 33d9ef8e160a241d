#pragma once
// Position, scale and rotation of a placed object in the plane, and the one
// local-to-world mapping that drawing, collision and picking share, so that what
// is drawn and what collides are the same shape.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Transform : public IComponent
{
    ORVEX_COMPONENT(Transform)

    // Maps a local point (x, y, 1) to world coordinates: T · R · S · O, with O a
    // local offset. A local p lands at Position + R·(S·(p + O)). O is zero, and S
    // the scale, but for an entity with a SpriteText, which is shaped as drawn.
    tmat3 GetModelMatrix() const;

    tvec2 position{0.0f, 0.0f}; // world units
    tvec2 scale{1.0f, 1.0f};    // world size of a one-unit mesh or sprite
    float rotation = 0.0f;      // radians, counter-clockwise
};
} // namespace Orvex
