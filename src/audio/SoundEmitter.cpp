#include "audio/SoundEmitter.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(SoundEmitter)

ORVEX_MEMBERS(SoundEmitter)
{
    ORVEX_FIELD(sound, "Sound");
    ORVEX_FIELD(playOnInit, "PlayOnInit");
    ORVEX_FIELD(loop, "Loop");
    ORVEX_FIELD(volume, "Volume");
    ORVEX_FIELD(pitchRand, "PitchRand");
}

void SoundEmitter::Init()
{
    if (playOnInit)
        Play();
}

void SoundEmitter::Play() { channel = sound.Play(loop, volume, pitchRand); }

void SoundEmitter::Silence()
{
    // A channel that ended or was never started answers with a stale handle: nothing to do.
    channel.SetVolume(0.0f);
    channel.Stop();
    channel = Channel();
}
} // namespace Orvex
