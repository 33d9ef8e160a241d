#pragma once
// Removes its entity once it has fallen to Y or below: falling crates and
// anything else that must not drop out of the world for ever.

#include "object/IComponent.h"

namespace Orvex
{
class KillBelowY : public IComponent
{
    ORVEX_COMPONENT(KillBelowY)

    // Asks the active state to remove the entity while its Position.y <= Y.
    void Update(float dt) override;

    float y = 0.0f; // "Y": world units
};
} // namespace Orvex
