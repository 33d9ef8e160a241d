#pragma once
// Every Speed seconds the entity's Color takes new random red, green and blue
// values between 0.1 and 0.5, keeping its alpha: a soft flicker of colours.

#include "object/IComponent.h"

namespace Orvex
{
class Rainbow : public IComponent
{
    ORVEX_COMPONENT(Rainbow)

    void Update(float dt) override;

    float speed = 0.0f; // "Speed": seconds between changes; 0 changes every frame

    float timer = 0.0f;
};
} // namespace Orvex
