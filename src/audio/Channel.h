#pragma once
// A handle to one play of a sound: the voice it started on and that play's
// generation. Once the voice is stopped or reused the handle goes stale and its
// operations answer AUDIO_INVALID_HANDLE without touching the new play. A default
// (or zero-filled) handle is null.

#include <cstdint>

#include "audio/AudioResult.h"

namespace Orvex
{
class ChannelGroup;
class Mixer;
class Voice;

class Channel
{
public:
    Channel() = default;
    explicit operator bool() const { return voice != nullptr; }
    bool operator==(const Channel& other) const
    {
        return voice == other.voice && generation == other.generation;
    }
    bool operator!=(const Channel& other) const { return !(*this == other); }

    // Ends the play and takes it out of its group.
    AudioResult Stop();
    // volume: linear gain, 0 = silent, 1 = as recorded; negative is refused.
    AudioResult SetVolume(float volume);
    AudioResult GetVolume(float* volume) const;
    // True while it has frames left (also when paused); false once it ended.
    AudioResult IsPlaying(bool* playing) const;
    // frequency: source frames per second; the sound's own rate is normal pitch.
    AudioResult SetFrequency(float frequency);
    AudioResult GetFrequency(float* frequency) const;
    // loop: start over at the end, endlessly.
    AudioResult SetLoop(bool loop);
    AudioResult SetPaused(bool paused);
    AudioResult GetGroup(ChannelGroup** group) const;

private:
    friend class Mixer;
    friend class ChannelGroup;
    Channel(Mixer* mixer, Voice* voice, std::uint32_t generation)
        : mixer(mixer), voice(voice), generation(generation)
    {
    }
    // The voice when this handle still names its current play; call under the lock.
    Voice* Live() const;
    // Runs use on the live voice under the mixer's lock; AUDIO_INVALID_HANDLE when stale.
    template <class Use> AudioResult Access(Use use) const;

    Mixer* mixer = nullptr;
    Voice* voice = nullptr;
    std::uint32_t generation = 0;
};
} // namespace Orvex
