#pragma once
// A pulsing alpha: after Offset seconds the entity's Color fades between
// opaque and invisible at Speed per second, resting invisible for TimeForFade
// seconds at each trough.

#include "object/IComponent.h"

namespace Orvex
{
class Fade : public IComponent
{
    ORVEX_COMPONENT(Fade)

    void Update(float dt) override;

    float speed = 1.0f;       // "Speed": alpha per second; its sign is the way it runs
    float offset = 0.0f;      // "Offset": seconds before the pulse starts
    float timeForFade = 0.0f; // "TimeForFade": seconds invisible at each trough

    float timer = 0.0f; // seconds rested at the trough
};
} // namespace Orvex
