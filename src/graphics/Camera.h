#pragma once
// The view of the world: its entity's Transform is the centre of the screen and
// "Size" the world extent of the shorter window side.

#include "object/IComponent.h"

namespace Orvex
{
class Camera : public IComponent
{
    ORVEX_COMPONENT(Camera)

    float size = 1.0f; // world units across the shorter window side
};
} // namespace Orvex
