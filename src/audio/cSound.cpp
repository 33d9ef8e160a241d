#include "audio/cSound.h"

#include <algorithm>

#include "audio/Mixer.h"
#include "audio/SoundManager.h"
#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Log.h"
#include "engine/Random.h"

namespace Orvex
{
namespace
{
const std::string kMusicPrefix = "Music/";

GamestateSoundGroups ActiveGroups()
{
    if (Engine* engine = Engine::Get())
        if (IGamestate* state = engine->ActiveGamestate())
            return state->SoundGroups();
    return {SoundManager::MusicGroup(), SoundManager::EffectsGroup()};
}

// Ended channels leave the group before a new one joins it.
void StopEnded(ChannelGroup* group)
{
    if (!group)
        return;
    int count = 0;
    SoundManager::CheckResult(group->GetNumChannels(&count));
    for (int i = 0; i < count;)
    {
        Channel channel;
        SoundManager::CheckResult(group->GetChannel(i, &channel));
        bool playing = false;
        SoundManager::CheckResult(channel.IsPlaying(&playing));
        if (playing)
        {
            ++i;
            continue;
        }
        SoundManager::CheckResult(channel.Stop());
        SoundManager::CheckResult(group->GetNumChannels(&count));
    }
}

// Uniform in [1 - spread, 1 + spread].
float PitchFactor(float spread)
{
    const float low = 1.0f - spread;
    return static_cast<float>(Random::Next15()) / 32767.0f * ((spread + 1.0f) - low) + low;
}
} // namespace

cSound::~cSound() { ReleaseLogged(); }

cSound::cSound(const cSound& other) { *this = other; }

cSound& cSound::operator=(const cSound& other)
{
    if (this == &other)
        return *this;
    Release();
    // Loading the name again also copies a name whose file is missing.
    SetName(other.name);
    return *this;
}

cSound::cSound(cSound&& other) noexcept { *this = std::move(other); }

cSound& cSound::operator=(cSound&& other) noexcept
{
    if (this == &other)
        return *this;
    ReleaseLogged();
    name = std::move(other.name);
    sound = other.sound;
    kind = other.kind;
    other.name.clear();
    other.sound = 0;
    return *this;
}

void cSound::SetName(const std::string& newName)
{
    SoundManager::Init();
    if (newName.empty() || newName == name)
        return;
    Release();
    const bool music = newName.rfind(kMusicPrefix, 0) == 0;
    kind = music ? kMusic : kEffect;
    const std::string path = AssetPath("Sounds", newName);
    AudioClip* clip = nullptr;
    const AudioResult result = SoundManager::GetMixer().CreateClip(
        path, music ? ClipKind::Stream : ClipKind::Loaded, &clip);
    if (result == AUDIO_FILE_NOT_FOUND)
        LogError("Sound file not found, it stays silent: " + path);
    else
        SoundManager::CheckResult(result, "sound file " + path);
    sound = clip ? clip->handle : 0;
    name = newName;
}

AudioClip* cSound::Clip() const
{
    return SoundManager::Initialised() ? SoundManager::GetMixer().FindClip(sound) : nullptr;
}

Channel cSound::Play(bool loop, float volume, float pitchRandom)
{
    AudioClip* clip = Clip();
    if (!clip)
        return Channel();
    const GamestateSoundGroups groups = ActiveGroups();
    StopEnded(groups.music);
    StopEnded(groups.effects);
    Channel channel;
    const AudioResult started =
        SoundManager::GetMixer().Play(clip, kind == kMusic ? groups.music : groups.effects, &channel);
    // All channels busy: this sound is dropped, the ones playing carry on.
    if (started == AUDIO_NO_FREE_CHANNEL)
        return Channel();
    SoundManager::CheckResult(started);
    SoundManager::CheckResult(channel.SetVolume(std::max(0.0f, volume)));
    float frequency = 0.0f;
    channel.GetFrequency(&frequency);
    channel.SetFrequency(PitchFactor(pitchRandom) * frequency);
    channel.SetLoop(loop);
    return channel;
}

void cSound::Release()
{
    // Found by its handle: a mixer shut down since has freed it already, and a
    // clip at the same address now is another owner's.
    AudioClip* doomed = Clip();
    sound = 0;
    name.clear();
    if (doomed)
        SoundManager::CheckResult(SoundManager::GetMixer().ReleaseClip(doomed));
}

void cSound::ReleaseLogged() noexcept
{
    try
    {
        Release();
    }
    catch (const std::string& error)
    {
        LogError(error);
    }
}

void PodTraits<cSound>::Serialize(const std::string& key, const cSound& value)
{
    Serial::WriteLine(key, value.name);
}

void PodTraits<cSound>::Deserialize(const std::string& key, cSound& value, const Deserializer& object)
{
    if (object.HasKey(key))
        value.SetName(object.GetString(key));
}
} // namespace Orvex
