#include "audio/SoundManager.h"

#include "audio/ChannelGroup.h"
#include "audio/Mixer.h"
#include "engine/Log.h"

namespace Orvex::SoundManager
{
namespace
{
struct State
{
    Mixer mixer;
    bool initialised = false;
    ChannelGroup* musicGroup = nullptr;
    ChannelGroup* effectsGroup = nullptr;
    unsigned groupCounter = 0; // numbers the game states' groups, across the whole run
};

State& Global()
{
    static State state;
    return state;
}

ChannelGroup* CreateChildGroup(const std::string& name, ChannelGroup* parent)
{
    ChannelGroup* group = nullptr;
    CheckResult(Global().mixer.CreateGroup(name, &group));
    CheckResult(parent->AddGroup(group));
    return group;
}

void ReleaseGroup(ChannelGroup*& group)
{
    if (group && Global().mixer.Owns(group))
    {
        LogResult(group->Stop());
        LogResult(group->Release());
    }
    group = nullptr;
}

void Start(Mixer::Output output)
{
    State& state = Global();
    if (state.initialised)
        return;
    CheckResult(state.mixer.Start(kChannels, output));
    if (output == Mixer::Output::Device && !state.mixer.HasDevice())
        Log("No audio device: sound runs without output.");
    CheckResult(state.mixer.CreateGroup("Music", &state.musicGroup));
    CheckResult(state.mixer.CreateGroup("Effects", &state.effectsGroup));
    state.initialised = true;
}

void SetPaused(ChannelGroup* group, bool paused)
{
    if (group && Global().mixer.Owns(group))
        CheckResult(group->SetPaused(paused));
}
} // namespace

void Init() { Start(Mixer::Output::Device); }

void InitManualOutput() { Start(Mixer::Output::Manual); }

void Shutdown()
{
    State& state = Global();
    LogResult(state.mixer.Stop());
    state.musicGroup = nullptr;
    state.effectsGroup = nullptr;
    state.initialised = false;
}

bool Initialised() { return Global().initialised; }

void Update() { Global().mixer.Update(); }

ChannelGroup* MusicGroup() { return Global().musicGroup; }

ChannelGroup* EffectsGroup() { return Global().effectsGroup; }

void SetMasterVolumes(float volume)
{
    if (!Initialised())
        return;
    CheckResult(MusicGroup()->SetVolume(volume));
    CheckResult(EffectsGroup()->SetVolume(volume));
}

void PauseMasterGroups(bool paused)
{
    SetPaused(MusicGroup(), paused);
    SetPaused(EffectsGroup(), paused);
}

GamestateSoundGroups CreateGameStateGroups()
{
    Init();
    State& state = Global();
    const std::string number = std::to_string(state.groupCounter);
    GamestateSoundGroups groups;
    groups.music = CreateChildGroup("music" + number, state.musicGroup);
    groups.effects = CreateChildGroup("effects" + number, state.effectsGroup);
    ++state.groupCounter;
    return groups;
}

void ReleaseGameStateGroups(GamestateSoundGroups& groups)
{
    ReleaseGroup(groups.music);
    ReleaseGroup(groups.effects);
}

void PauseGameStateGroups(const GamestateSoundGroups& groups, bool paused)
{
    SetPaused(groups.music, paused);
    SetPaused(groups.effects, paused);
}

void CheckResult(int code, const std::string& about)
{
    if (code != AUDIO_OK && code != AUDIO_FILE_NOT_FOUND)
        throw "Unknown audio error number: " + std::to_string(code) +
            (about.empty() ? "" : " (" + about + ")");
}

void LogResult(int code)
{
    try
    {
        CheckResult(code);
    }
    catch (const std::string& error)
    {
        LogError(error);
    }
}

Mixer& GetMixer() { return Global().mixer; }
} // namespace Orvex::SoundManager
