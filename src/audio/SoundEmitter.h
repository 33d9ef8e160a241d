#pragma once
// The one playable sound of an entity and the channel of its last start. Other
// components start it with its own settings (Loop, Volume, PitchRand); level music
// is a SoundEmitter on the level-settings entity with PlayOnInit and Loop set.

#include "audio/Channel.h"
#include "audio/cSound.h"
#include "object/IComponent.h"

namespace Orvex
{
class SoundEmitter : public IComponent
{
    ORVEX_COMPONENT(SoundEmitter)

    // PlayOnInit: starts the sound.
    void Init() override;
    // Starts the sound with this emitter's settings and keeps its channel (null
    // when nothing is loaded or no channel was free).
    void Play();
    // Volume 0, then stop, then forget the channel: a swapped sound never clicks on.
    void Silence();

    cSound sound;            // "Sound"
    bool playOnInit = false; // "PlayOnInit"
    bool loop = false;       // "Loop": endlessly
    float volume = 1.0f;     // "Volume": linear gain, 0 silent to 1 full
    float pitchRand = 0.0f;  // "PitchRand": frequency factor in [1 - PitchRand, 1 + PitchRand]

    Channel channel; // of the last start; null when none
};
} // namespace Orvex
