#pragma once
// Removes its entity after a set time, fading its Color out on the way when asked.

#include "object/IComponent.h"

namespace Orvex
{
class KillAfterTime : public IComponent
{
    ORVEX_COMPONENT(KillAfterTime)

    // Advances the timer; with FadeWithTime the Color alpha (when there is a
    // Color) follows 1 - timer / Time. From Time on, asks the active state to
    // remove the entity, every frame until it is gone.
    void Update(float dt) override;

    float time = 1.0f;        // "Time": seconds of life
    bool fadeWithTime = true; // "FadeWithTime"

    float timer = 0.0f; // seconds lived
};
} // namespace Orvex
