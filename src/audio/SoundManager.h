#pragma once
// The sound manager: the one mixer of the process, the two master groups "Music"
// and "Effects", and a pair of child groups for every game state, so that the
// engine can pause a whole state's sound and the masters act as master volumes.
//
// Without any audio device the mixer runs with no output and every call keeps
// working, so the rest of the program never needs to know.

#include <string>

namespace Orvex
{
class ChannelGroup;
class Mixer;

// A game state's two groups: "music" and "effects" followed by the same running
// number, children of "Music" and "Effects". Null once released.
struct GamestateSoundGroups
{
    ChannelGroup* music = nullptr;
    ChannelGroup* effects = nullptr;
};

namespace SoundManager
{
constexpr int kChannels = 36; // sounds that can play at once

// Starts the mixer and the master groups; does nothing when already started.
void Init();
// As Init, but with no output at all: only explicit GetMixer().Mix calls advance
// sound (tests and tools that want exact frames).
void InitManualOutput();
// Stops every sound and frees every group and sound. Logs a failure (it runs
// from the engine's destructor).
void Shutdown();
bool Initialised();
// Once per frame: refills playing streams and frees what ended.
void Update();

// Null before Init and after Shutdown.
ChannelGroup* MusicGroup();
ChannelGroup* EffectsGroup();
// Both master groups at once; nothing when not started.
void SetMasterVolumes(float volume);
void PauseMasterGroups(bool paused);

// Starts the sound manager when needed. The n-th call of the run names its
// groups with n - 1.
GamestateSoundGroups CreateGameStateGroups();
// Stops and releases both groups and nulls them. Logs a failure (it runs from
// destructors); groups gone with a shut-down mixer are skipped.
void ReleaseGameStateGroups(GamestateSoundGroups& groups);
void PauseGameStateGroups(const GamestateSoundGroups& groups, bool paused);

// Passes 0 (success) and 23 (a missing sound file); throws "Unknown audio error
// number: " + code for anything else, followed by " (" + about + ")" when about
// names what failed.
void CheckResult(int code, const std::string& about = "");
// CheckResult's text as an error line instead of a throw, where throwing cannot be.
void LogResult(int code);

// The mixer itself, for cSound. Valid while Initialised().
Mixer& GetMixer();
} // namespace SoundManager
} // namespace Orvex
