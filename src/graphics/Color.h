#pragma once
// The tint of every drawing of an entity; on the level-settings entity also the
// background colour.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Color : public IComponent
{
    ORVEX_COMPONENT(Color)

    tvec4 color{1.0f, 1.0f, 1.0f, 1.0f}; // r, g, b, a, each 0 to 1
};
} // namespace Orvex
