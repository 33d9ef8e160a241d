#pragma once
// A running clock for its entity's other components: time grows by every frame's
// dt, and mark is whatever moment a user last noted (the last contact sound, the
// last hover sound), so time - mark is the seconds since then.

#include "object/IComponent.h"

namespace Orvex
{
class Timer : public IComponent
{
    ORVEX_COMPONENT(Timer)

    void Update(float dt) override;

    float time = 0.0f; // seconds since the entity's first update
    float mark = 0.0f; // seconds on the same clock; written only by users
};
} // namespace Orvex
