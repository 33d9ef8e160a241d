#pragma once
// A platform or door that glides to PosNew over Time seconds, easing in and
// out, each time a MSG_SET_ACTIVE names its entity (an Activator's target). A
// later activation starts a new glide from wherever it is.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Moving : public IComponent
{
    ORVEX_COMPONENT(Moving)

    // Needs a Transform; listens for MSG_SET_ACTIVE.
    void Init() override;

    tvec2 posNew{0.0f, 0.0f}; // "PosNew": world units
    float time = 0.0f;        // "Time": seconds of the glide

private:
    void OnSetActive(const void* payload);
};
} // namespace Orvex
