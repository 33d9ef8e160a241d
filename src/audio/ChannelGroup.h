#pragma once
// A named mixing group: channels play into it, groups nest, and a group's volume
// and pause apply to everything beneath it (volumes multiply down the chain; a
// paused group holds all its channels where they are).

#include <string>
#include <vector>

#include "audio/AudioResult.h"

namespace Orvex
{
class Channel;
class Mixer;
class Voice;

class ChannelGroup
{
public:
    ChannelGroup(Mixer* mixer, const std::string& name);
    ChannelGroup(const ChannelGroup&) = delete;
    ChannelGroup& operator=(const ChannelGroup&) = delete;

    // volume: linear gain, 0 = silent, 1 = unchanged; negative is refused.
    AudioResult SetVolume(float volume);
    AudioResult GetVolume(float* volume) const;
    AudioResult SetPaused(bool paused);
    AudioResult GetPaused(bool* paused) const;
    // Stops every channel of this group (not of its child groups).
    AudioResult Stop();
    // The channels in this group, in the order they joined (ended ones included
    // until they are stopped).
    AudioResult GetNumChannels(int* count) const;
    AudioResult GetChannel(int index, Channel* channel) const;
    // Makes child a child of this group (leaving its old parent).
    AudioResult AddGroup(ChannelGroup* child);
    // Stops its channels, detaches its children and frees the group.
    AudioResult Release();

    const std::string& Name() const { return name; }
    ChannelGroup* Parent() const { return parent; }

private:
    friend class Mixer;
    // Mixer thread, under the lock: this group's gain and pause along the chain.
    float ChainVolume() const;
    bool ChainPaused() const;
    void Detach();

    Mixer* mixer;
    std::string name;
    float volume = 1.0f; // linear gain
    bool paused = false;
    ChannelGroup* parent = nullptr;
    std::vector<ChannelGroup*> children;
    std::vector<Voice*> voices; // capacity = the mixer's voice count: never grows
};
} // namespace Orvex
