#pragma once
// Turns the view upside down once its entity's Timer reaches Time, while Active.
// Once, not on every frame after: a view flipped at the frame rate is a strobe,
// not an upside-down world.

#include "object/IComponent.h"

namespace Orvex
{
class InvertAfterTime : public IComponent
{
    ORVEX_COMPONENT(InvertAfterTime)

    // Needs a Timer.
    void Init() override;
    void Update(float dt) override;

    bool active = false; // "Active"
    float time = 0.0f;   // "Time": seconds on the entity's Timer

    bool inverted = false;
};
} // namespace Orvex
