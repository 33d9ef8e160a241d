#pragma once
// The handle of a volume slider: grabbed with the left button, it follows the
// cursor along x between MinX and MaxX and sets a master group's volume from
// where it is, 0 at MinX and 1 at MaxX. Letting go keeps the volumes in the
// player's settings.

#include "object/IComponent.h"

namespace Orvex
{
class ChannelGroup;

class SoundSlider : public IComponent
{
    ORVEX_COMPONENT(SoundSlider)

    // Puts the handle where the group's volume is now (at MinX while the sound
    // manager is not started).
    void Init() override;
    // A left press on the drawn, solid handle grabs it; while the button is held
    // it follows the cursor's x, clamped to the track; the release lets go.
    void Update(float dt) override;

    // The handle's x for a volume, and the volume (0 … 1) for an x on the track.
    // A track of no length keeps its handle at MinX and never sets a volume.
    float XForVolume(float volume) const;
    float VolumeForX(float x) const;
    // Moves the volume by step (clamped to 0 … 1) with the handle, and keeps it
    // in the player's settings: the keyboard's and the gamepad's way to slide.
    void Nudge(float step);
    // Effects for Type 0, Music for any other; null while sound is not started.
    ChannelGroup* Master() const;

    float minX = 0.0f; // "MinX": world x of the handle at volume 0
    float maxX = 1.0f; // "MaxX": world x of the handle at volume 1
    unsigned type = 0; // "Type": 0 = the "Effects" master group, otherwise "Music"

    bool dragging = false;

private:
    void Drag();
};
} // namespace Orvex
