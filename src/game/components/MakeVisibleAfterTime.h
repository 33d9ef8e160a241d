#pragma once
// Shows its entity's text after Time seconds, then takes itself off the entity.

#include "object/IComponent.h"

namespace Orvex
{
class MakeVisibleAfterTime : public IComponent
{
    ORVEX_COMPONENT(MakeVisibleAfterTime)

    void Update(float dt) override;

    float time = 0.0f; // "Time": seconds left
};
} // namespace Orvex
