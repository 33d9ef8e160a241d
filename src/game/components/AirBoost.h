#pragma once
// A push in the air on a key: Q sends the body left by Boost, E right, once
// per press.

#include "object/IComponent.h"

namespace Orvex
{
class AirBoost : public IComponent
{
    ORVEX_COMPONENT(AirBoost)

    // Needs a RigidBody and a Transform; listens for MSG_KEYDOWN.
    void Init() override;

    float boost = 0.0f; // "Boost": units per second added to Velocity.x

private:
    void OnKeyDown(const void* payload);
};
} // namespace Orvex
