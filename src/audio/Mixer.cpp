#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Orvex
{
namespace
{
constexpr float kKnee = 0.9f;                   // soft clipping starts here (full scale 1.0)
constexpr int kSilentChunk = 1024;              // frames mixed per step when keeping time
constexpr double kMostSilentCatchUp = 0.25;     // seconds: a longer stall is not replayed

float SoftClip(float x)
{
    const float magnitude = std::fabs(x);
    if (magnitude <= kKnee)
        return x;
    const float bent = kKnee + (1.0f - kKnee) * std::tanh((magnitude - kKnee) / (1.0f - kKnee));
    return x < 0.0f ? -bent : bent;
}
} // namespace

Mixer::~Mixer() { Stop(); }

AudioResult Mixer::Start(int channels, Output wanted)
{
    if (channels < 1)
        return AUDIO_INVALID_PARAM;
    if (running)
        return AUDIO_OK;
    // Kept across restarts of the same size: old handles then see a new generation.
    if (voices.size() != static_cast<std::size_t>(channels))
        voices = std::vector<Voice>(static_cast<std::size_t>(channels));
    retired.reserve(voices.size());
    scratch.assign(2 * kSilentChunk, 0.0f);
    output = wanted;
    if (output == Output::Device && !device.Open(kOutputRate, kDeviceFrames, OnDeviceBuffer, this))
        output = Output::Silent;
    lastTick = std::chrono::steady_clock::now();
    running = true;
    return AUDIO_OK;
}

AudioResult Mixer::Stop()
{
    device.Close();
    std::vector<std::unique_ptr<ChannelGroup>> oldGroups;
    std::vector<std::unique_ptr<AudioClip>> oldClips;
    {
        std::lock_guard<std::mutex> hold(mutex);
        for (Voice& voice : voices)
            if (voice.state != Voice::State::Free)
                Retire(voice);
        oldGroups.swap(groups);
        oldClips.swap(clips);
        running = false;
    }
    FreeRetired();
    return AUDIO_OK;
}

AudioResult Mixer::CreateGroup(const std::string& name, ChannelGroup** group)
{
    if (!group)
        return AUDIO_INVALID_PARAM;
    *group = nullptr;
    if (!running)
        return AUDIO_NOT_STARTED;
    // The list is the game thread's alone: the mixer reaches groups only via voices.
    groups.push_back(std::make_unique<ChannelGroup>(this, name));
    *group = groups.back().get();
    return AUDIO_OK;
}

AudioResult Mixer::CreateClip(const std::string& path, ClipKind kind, AudioClip** clip)
{
    if (!clip)
        return AUDIO_INVALID_PARAM;
    *clip = nullptr;
    if (!running)
        return AUDIO_NOT_STARTED;
    auto loaded = std::make_unique<AudioClip>();
    const AudioResult result = loaded->Load(path, kind, &decodedFiles);
    if (result != AUDIO_OK)
        return result;
    // Process-wide, so no restart and no other mixer hands out the same one.
    static ClipHandle lastHandle = 0;
    loaded->handle = ++lastHandle;
    clips.push_back(std::move(loaded));
    *clip = clips.back().get();
    return AUDIO_OK;
}

AudioClip* Mixer::FindClip(ClipHandle handle) const
{
    const auto found = std::find_if(clips.begin(), clips.end(), [handle](const auto& owned) {
        return handle != 0 && owned->handle == handle && !owned->released;
    });
    return found == clips.end() ? nullptr : found->get();
}

AudioResult Mixer::ReleaseClip(AudioClip* clip)
{
    const auto found = std::find_if(clips.begin(), clips.end(),
                                    [clip](const auto& owned) { return owned.get() == clip; });
    if (!clip || found == clips.end() || clip->released)
        return AUDIO_INVALID_HANDLE;
    std::unique_ptr<AudioClip> doomed;
    {
        std::lock_guard<std::mutex> hold(mutex);
        // A loop nobody can reach any more would never end.
        for (Voice& voice : voices)
            if (voice.clip == clip && (voice.loop || voice.state == Voice::State::Ended))
                Retire(voice);
        clip->released = true;
        if (!ClipInUse(clip))
        {
            doomed = std::move(*found);
            clips.erase(found);
        }
    }
    FreeRetired();
    return AUDIO_OK;
}

AudioResult Mixer::Play(AudioClip* clip, ChannelGroup* group, Channel* channel)
{
    if (!channel)
        return AUDIO_INVALID_PARAM;
    *channel = Channel();
    if (!running)
        return AUDIO_NOT_STARTED;
    if (!clip || clip->released || (group && group->mixer != this))
        return AUDIO_INVALID_PARAM;
    std::unique_ptr<StreamReader> reader;
    if (clip->Kind() == ClipKind::Stream)
    {
        // Opened and primed before the lock: file work never blocks the callback.
        reader = std::make_unique<StreamReader>();
        const AudioResult result = reader->Open(clip->Path());
        if (result != AUDIO_OK)
            return result;
        reader->Refill(false);
    }
    {
        std::lock_guard<std::mutex> hold(mutex);
        Voice* voice = TakeVoice();
        if (!voice)
            return AUDIO_NO_FREE_CHANNEL;
        if (voice->state != Voice::State::Free)
            Retire(*voice);
        voice->Start(clip, std::move(reader), group);
        if (group)
            group->voices.push_back(voice);
        *channel = Channel(this, voice, voice->generation);
    }
    FreeRetired();
    return AUDIO_OK;
}

void Mixer::Update()
{
    if (!running)
        return;
    RefillStreams();
    FreeEndedClips();
    if (output == Output::Silent)
        KeepTime();
}

void Mixer::Mix(float* out, int frames)
{
    std::memset(out, 0, sizeof(float) * 2 * static_cast<std::size_t>(frames));
    std::lock_guard<std::mutex> hold(mutex);
    for (Voice& voice : voices)
    {
        if (voice.state != Voice::State::Playing || voice.paused)
            continue;
        if (voice.group && voice.group->ChainPaused())
            continue;
        const float gain = voice.volume * (voice.group ? voice.group->ChainVolume() : 1.0f);
        voice.Mix(out, frames, kOutputRate, gain);
    }
    for (int i = 0; i < 2 * frames; ++i)
        out[i] = SoftClip(out[i]);
}

bool Mixer::Owns(const ChannelGroup* group) const
{
    return std::any_of(groups.begin(), groups.end(),
                       [group](const auto& owned) { return owned.get() == group; });
}

void Mixer::OnDeviceBuffer(void* self, float* out, int frames) { static_cast<Mixer*>(self)->Mix(out, frames); }

Voice* Mixer::TakeVoice()
{
    // A never used or stopped voice first; an ended one still sits in its group.
    for (const Voice::State wanted : {Voice::State::Free, Voice::State::Ended})
        for (Voice& voice : voices)
            if (voice.state == wanted)
                return &voice;
    return nullptr;
}

void Mixer::Retire(Voice& voice)
{
    if (voice.group)
    {
        auto& members = voice.group->voices;
        members.erase(std::remove(members.begin(), members.end(), &voice), members.end());
    }
    if (voice.stream)
        retired.push_back(std::move(voice.stream));
    voice.group = nullptr;
    voice.clip = nullptr;
    voice.state = Voice::State::Free;
    ++voice.generation;
}

void Mixer::FreeRetired() { retired.clear(); }

void Mixer::ReleaseGroup(ChannelGroup* group)
{
    std::unique_ptr<ChannelGroup> doomed;
    {
        std::lock_guard<std::mutex> hold(mutex);
        while (!group->voices.empty())
            Retire(*group->voices.back());
        for (ChannelGroup* child : group->children)
            child->parent = nullptr;
        group->children.clear();
        group->Detach();
        const auto found = std::find_if(groups.begin(), groups.end(),
                                        [group](const auto& owned) { return owned.get() == group; });
        if (found != groups.end())
        {
            doomed = std::move(*found);
            groups.erase(found);
        }
    }
    FreeRetired();
}

bool Mixer::ClipInUse(const AudioClip* clip) const
{
    return std::any_of(voices.begin(), voices.end(), [clip](const Voice& voice) {
        return voice.clip == clip && voice.state == Voice::State::Playing;
    });
}

void Mixer::FreeEndedClips()
{
    std::vector<std::unique_ptr<AudioClip>> doomed;
    {
        std::lock_guard<std::mutex> hold(mutex);
        for (auto it = clips.begin(); it != clips.end();)
        {
            AudioClip* clip = it->get();
            if (!clip->released || ClipInUse(clip))
            {
                ++it;
                continue;
            }
            for (Voice& voice : voices)
                if (voice.clip == clip)
                    Retire(voice);
            doomed.push_back(std::move(*it));
            it = clips.erase(it);
        }
    }
    FreeRetired();
}

void Mixer::RefillStreams()
{
    // Stream readers and loop flags are only ever changed by this thread.
    for (Voice& voice : voices)
        if (voice.stream)
            voice.stream->Refill(voice.loop);
}

void Mixer::KeepTime()
{
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::min(std::chrono::duration<double>(now - lastTick).count(), kMostSilentCatchUp);
    int frames = static_cast<int>(seconds * kOutputRate);
    if (frames == 0)
        return;
    // Only whole frames count; the remainder carries over to the next update.
    lastTick = seconds >= kMostSilentCatchUp
                   ? now
                   : lastTick + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                    std::chrono::duration<double>(static_cast<double>(frames) / kOutputRate));
    while (frames > 0)
    {
        const int chunk = std::min(frames, kSilentChunk);
        Mix(scratch.data(), chunk);
        frames -= chunk;
    }
}
} // namespace Orvex
