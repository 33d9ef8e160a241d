#include "audio/Channel.h"

#include <cmath>

#include "audio/Mixer.h"

namespace Orvex
{
namespace
{
bool IsGain(float value) { return std::isfinite(value) && value >= 0.0f; }
} // namespace

Voice* Channel::Live() const
{
    if (!voice || voice->generation != generation || voice->state == Voice::State::Free)
        return nullptr;
    return voice;
}

template <class Use> AudioResult Channel::Access(Use use) const
{
    if (!mixer)
        return AUDIO_INVALID_HANDLE;
    std::lock_guard<std::mutex> hold(mixer->mutex);
    Voice* live = Live();
    if (!live)
        return AUDIO_INVALID_HANDLE;
    use(*live);
    return AUDIO_OK;
}

AudioResult Channel::Stop()
{
    const AudioResult result = Access([this](Voice& live) { mixer->Retire(live); });
    if (mixer)
        mixer->FreeRetired();
    return result;
}

AudioResult Channel::SetVolume(float volume)
{
    if (!IsGain(volume))
        return AUDIO_INVALID_PARAM;
    return Access([volume](Voice& live) { live.volume = volume; });
}

AudioResult Channel::GetVolume(float* volume) const
{
    return Access([volume](Voice& live) { *volume = live.volume; });
}

AudioResult Channel::IsPlaying(bool* playing) const
{
    *playing = false;
    return Access([playing](Voice& live) { *playing = live.state == Voice::State::Playing; });
}

AudioResult Channel::SetFrequency(float frequency)
{
    // Zero would hold the voice forever; past the cap one buffer would spin.
    if (!std::isfinite(frequency) || frequency <= 0.0f ||
        frequency > Mixer::kMaxSpeed * static_cast<float>(Mixer::kOutputRate))
        return AUDIO_INVALID_PARAM;
    return Access([frequency](Voice& live) { live.frequency = frequency; });
}

AudioResult Channel::GetFrequency(float* frequency) const
{
    return Access([frequency](Voice& live) { *frequency = live.frequency; });
}

AudioResult Channel::SetLoop(bool loop)
{
    StreamReader* stream = nullptr;
    const AudioResult result = Access([loop, &stream](Voice& live) {
        live.loop = loop;
        stream = live.stream.get();
    });
    // A short stream has decoded its end already: go on from its start now rather
    // than at the next update. Outside the lock: only this thread changes streams.
    if (stream)
        stream->Refill(loop);
    return result;
}

AudioResult Channel::SetPaused(bool paused)
{
    return Access([paused](Voice& live) { live.paused = paused; });
}

AudioResult Channel::GetGroup(ChannelGroup** group) const
{
    *group = nullptr;
    return Access([group](Voice& live) { *group = live.group; });
}
} // namespace Orvex
