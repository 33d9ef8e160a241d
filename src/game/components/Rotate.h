#pragma once
// Turns its entity steadily: a windmill, a spinning plank.

#include "object/IComponent.h"

namespace Orvex
{
class Rotate : public IComponent
{
    ORVEX_COMPONENT(Rotate)

    // Rotation += RotSpeed x dt, when the entity has a Transform.
    void Update(float dt) override;

    float rotSpeed = 1.0f; // "RotSpeed": radians per second, counter-clockwise
};
} // namespace Orvex
