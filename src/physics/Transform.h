#pragma once
// Position, scale and rotation of a placed object in the plane.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Transform : public IComponent
{
    ORVEX_COMPONENT(Transform)

    tvec2 position{0.0f, 0.0f}; // world units
    tvec2 scale{1.0f, 1.0f};    // world size of a one-unit mesh or sprite
    float rotation = 0.0f;      // radians, counter-clockwise
};
} // namespace Orvex
