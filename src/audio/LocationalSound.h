#pragma once
// Fades the entity's SoundEmitter channel with the distance to a listening entity:
// full at the listener, silent at HearingRange and beyond, falling off with the
// square of the distance (half the range still gives three quarters).

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class LocationalSound : public IComponent
{
    ORVEX_COMPONENT(LocationalSound)

    // Needs a SoundEmitter.
    void Init() override;
    // No listener of that name (or no Transform on either side): the volume stays.
    void Update(float dt) override;
    // (1 - min(d² / range², 1)) × MaxVolume for a distance d; a range of 0 or less
    // hears only at the listener's very point.
    float VolumeAt(float distanceSquared) const;

    std::string listenerName;   // "ListenerName": the listening entity's name
    float hearingRange = 1.0f;  // "HearingRange": world units where the volume reaches 0
    float maxVolume = 1.0f;     // "MaxVolume": linear gain at distance 0
};
} // namespace Orvex
