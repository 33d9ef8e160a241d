#pragma once
// The audio layer's system object: 36 playback slots (voices), the channel groups
// they play into, the loaded clips, and the device that pulls mixed frames.
//
// Design note.
// - Threads. SDL's audio thread calls Mix for every device buffer; everything
//   else runs on the game thread. One mutex guards voice and group state. The
//   game thread holds it only to read or write a few fields (a volume, a pause
//   flag, a voice taken or given back): never while decoding, opening files,
//   allocating or freeing. Mix holds it for one buffer's mixing (~10 µs).
//   Rejected: a double-buffered copy of the whole mix state handed over each game
//   frame (parameter changes would lag a frame and every field needs two copies);
//   a lock-free command queue (more code for no measurable gain at this size).
// - Streams. Each playing stream owns a StreamReader whose single-producer ring
//   the game thread refills in Update (once per frame, ~1.5 s of room); the mixer
//   only pops frames. Freed stream readers are parked in `retired` under the lock
//   and destroyed after it is let go. Rejected: decoding in the callback (file I/O
//   and the decoder's allocations on the audio thread) and a decoder thread of our
//   own (one more thread to start, stop and reason about for what one refill per
//   frame already does).
// - Output. 44.1 kHz stereo float, 512-frame device buffers (11.6 ms; with SDL's
//   double buffering at most ~23 ms from Mix to the speaker). Voices add into a
//   float buffer; the sum then goes through a soft clipper that is linear up to
//   0.9 of full scale and bends smoothly (tanh) towards 1.0 above it, so many loud
//   sounds at once saturate gently instead of wrapping or clicking. Rejected: a
//   plain clamp (harsh on peaks) and a look-ahead limiter (adds latency and state).
// - No device. Without an audio driver the mixer runs Silent: Update mixes the
//   elapsed wall time into a scratch buffer and drops it, so sounds still end and
//   streams still drain, and every call keeps working. Manual output (tests,
//   benchmarks) leaves all mixing to explicit Mix calls.

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "audio/AudioClip.h"
#include "audio/AudioDevice.h"
#include "audio/AudioResult.h"
#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "audio/Voice.h"

namespace Orvex
{
class Mixer
{
public:
    static constexpr int kOutputRate = 44100;   // frames per second
    static constexpr int kDeviceFrames = 512;   // frames per device buffer (11.6 ms)
    static constexpr float kMaxSpeed = 16.0f;   // highest frequency, as a multiple of kOutputRate

    enum class Output
    {
        Device, // the sound card; falls back to Silent when there is none
        Silent, // no output; Update keeps time
        Manual, // no output; only explicit Mix calls advance sound
    };

    Mixer() = default;
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // channels: number of voices (at least 1).
    AudioResult Start(int channels, Output output);
    // Closes the device and frees every voice, group and clip.
    AudioResult Stop();
    bool Running() const { return running; }
    bool HasDevice() const { return device.IsOpen(); }

    // A new top-level group, volume 1, not paused.
    AudioResult CreateGroup(const std::string& name, ChannelGroup** group);
    // Missing file: AUDIO_FILE_NOT_FOUND and *clip = null.
    AudioResult CreateClip(const std::string& path, ClipKind kind, AudioClip** clip);
    // The clip with that handle while this mixer holds it and it is not released;
    // null otherwise, also for handles of clips freed by a Stop.
    AudioClip* FindClip(ClipHandle handle) const;
    // Looping channels of the clip stop; others play to their end before it is freed.
    AudioResult ReleaseClip(AudioClip* clip);
    // Starts clip on a free voice in group, volume 1, the clip's own frequency, no
    // loop. All voices playing: AUDIO_NO_FREE_CHANNEL and a null *channel.
    AudioResult Play(AudioClip* clip, ChannelGroup* group, Channel* channel);

    // Game thread, once per frame: refills streams, frees what ended, keeps time
    // when Silent.
    void Update();
    // frames interleaved stereo float frames into out (overwritten).
    void Mix(float* out, int frames);

    int VoiceCount() const { return static_cast<int>(voices.size()); }
    bool Owns(const ChannelGroup* group) const;

private:
    friend class Channel;
    friend class ChannelGroup;

    static void OnDeviceBuffer(void* self, float* out, int frames);
    Voice* TakeVoice();
    // Under the lock: the voice leaves its group and becomes free; its stream
    // reader is parked for FreeRetired.
    void Retire(Voice& voice);
    // After the lock: destroys the parked readers.
    void FreeRetired();
    void ReleaseGroup(ChannelGroup* group);
    bool ClipInUse(const AudioClip* clip) const;
    void FreeEndedClips();
    void RefillStreams();
    void KeepTime();

    mutable std::mutex mutex;
    bool running = false;
    Output output = Output::Manual;
    AudioDevice device;
    std::vector<Voice> voices;
    std::vector<std::unique_ptr<ChannelGroup>> groups;
    std::vector<std::unique_ptr<AudioClip>> clips;
    DecodedFiles decodedFiles; // game thread only
    std::vector<std::unique_ptr<StreamReader>> retired; // capacity = voices; game thread only
    std::vector<float> scratch;                         // Silent time keeping
    std::chrono::steady_clock::time_point lastTick;
};
} // namespace Orvex
