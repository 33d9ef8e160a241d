#include "audio/ChannelGroup.h"

#include <algorithm>
#include <cmath>

#include "audio/Mixer.h"

namespace Orvex
{
ChannelGroup::ChannelGroup(Mixer* owner, const std::string& groupName) : mixer(owner), name(groupName)
{
    voices.reserve(static_cast<std::size_t>(owner->VoiceCount()));
}

namespace
{
// Copies one field across under the mixer's lock.
template <class T> AudioResult CopyLocked(std::mutex& mutex, const T& from, T& to)
{
    std::lock_guard<std::mutex> hold(mutex);
    to = from;
    return AUDIO_OK;
}
} // namespace

AudioResult ChannelGroup::SetVolume(float gain)
{
    if (!std::isfinite(gain) || gain < 0.0f)
        return AUDIO_INVALID_PARAM;
    return CopyLocked(mixer->mutex, gain, volume);
}

AudioResult ChannelGroup::GetVolume(float* gain) const { return CopyLocked(mixer->mutex, volume, *gain); }

AudioResult ChannelGroup::SetPaused(bool pause) { return CopyLocked(mixer->mutex, pause, paused); }

AudioResult ChannelGroup::GetPaused(bool* pause) const { return CopyLocked(mixer->mutex, paused, *pause); }

AudioResult ChannelGroup::Stop()
{
    {
        std::lock_guard<std::mutex> hold(mixer->mutex);
        while (!voices.empty())
            mixer->Retire(*voices.back());
    }
    mixer->FreeRetired();
    return AUDIO_OK;
}

AudioResult ChannelGroup::GetNumChannels(int* count) const
{
    std::lock_guard<std::mutex> hold(mixer->mutex);
    *count = static_cast<int>(voices.size());
    return AUDIO_OK;
}

AudioResult ChannelGroup::GetChannel(int index, Channel* channel) const
{
    *channel = Channel();
    std::lock_guard<std::mutex> hold(mixer->mutex);
    if (index < 0 || static_cast<std::size_t>(index) >= voices.size())
        return AUDIO_INVALID_PARAM;
    Voice* voice = voices[static_cast<std::size_t>(index)];
    *channel = Channel(mixer, voice, voice->generation);
    return AUDIO_OK;
}

AudioResult ChannelGroup::AddGroup(ChannelGroup* child)
{
    if (!child || child == this || child->mixer != mixer)
        return AUDIO_INVALID_PARAM;
    std::lock_guard<std::mutex> hold(mixer->mutex);
    // A cycle would make the chain walks endless.
    for (const ChannelGroup* up = this; up; up = up->parent)
        if (up == child)
            return AUDIO_INVALID_PARAM;
    child->Detach();
    child->parent = this;
    children.push_back(child);
    return AUDIO_OK;
}

AudioResult ChannelGroup::Release()
{
    mixer->ReleaseGroup(this);
    return AUDIO_OK;
}

float ChannelGroup::ChainVolume() const
{
    float gain = 1.0f;
    for (const ChannelGroup* group = this; group; group = group->parent)
        gain *= group->volume;
    return gain;
}

bool ChannelGroup::ChainPaused() const
{
    for (const ChannelGroup* group = this; group; group = group->parent)
        if (group->paused)
            return true;
    return false;
}

void ChannelGroup::Detach()
{
    if (!parent)
        return;
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent = nullptr;
}
} // namespace Orvex
