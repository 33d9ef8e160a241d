#pragma once
// Fades its entity with its distance to the active camera: opaque on the
// camera, fully faded at "DistanceTillFadedOut", never below "MinAlphaFade".

#include "object/IComponent.h"

namespace Orvex
{
class CameraFade : public IComponent
{
    ORVEX_COMPONENT(CameraFade)

    // Needs a Color.
    void Init() override;
    // Sets the Color's alpha. Does nothing while the distance is not positive,
    // or there is no active camera or no Transform to measure from.
    void Update(float dt) override;

    float distanceTillFadedOut = 0.0f; // world units; fade to the minimum at this distance
    float minAlphaFade = 0.5f;         // 0 to 1, the lowest alpha
};
} // namespace Orvex
