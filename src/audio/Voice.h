#pragma once
// One of the mixer's playback slots: what it plays, into which group, how loud and
// how fast, and where its resampling cursor stands. Game code never sees a Voice;
// it holds a Channel, a handle that names the slot and the play it started.
//
// Resampling is linear interpolation between the two source frames around the
// cursor: cheap, and clean enough for the factors a pitch spread gives. Band-
// limited (windowed sinc) resampling was rejected as costing tens of times more
// for no audible gain on these sounds.

#include <cstdint>
#include <memory>

#include "audio/StreamReader.h"

namespace Orvex
{
class AudioClip;
class ChannelGroup;

class Voice
{
public:
    enum class State
    {
        Free,    // never used or stopped: not in any group
        Playing, // mixing (also while paused)
        Ended,   // ran out of frames; stays in its group until stopped or reused
    };

    // Starts clip from its first frame (a stream reads through its own reader).
    void Start(AudioClip* clip, std::unique_ptr<StreamReader> reader, ChannelGroup* group);
    // Adds frames stereo frames at gain into out, advancing the cursor.
    void Mix(float* out, int frames, int outputRate, float gain);

    std::uint32_t generation = 0; // bumped at every start and stop; stale handles differ
    State state = State::Free;
    AudioClip* clip = nullptr;
    std::unique_ptr<StreamReader> stream; // streams only; freed on the game thread
    ChannelGroup* group = nullptr;
    float volume = 1.0f;    // linear gain, 0 = silent
    float frequency = 0.0f; // source frames per second; the clip's rate plays at normal pitch
    bool loop = false;      // start over at the end, endlessly
    bool paused = false;

private:
    enum class Fetch
    {
        Frame,
        End,
        Starved, // a stream whose decoder has not caught up
    };
    Fetch NextFrame(float* frame);
    // Moves the cursor one source frame on; false stops this block's mixing.
    bool Advance();

    std::size_t next = 0; // loaded clips: the next frame to fetch
    float a[2] = {0, 0};  // frame at the cursor
    float b[2] = {0, 0};  // the frame after it
    double frac = 0.0;    // cursor position between a and b, 0 to 1
    bool tail = false;    // b is the silence after the last frame
    bool fresh = true;    // first block: no gain ramp from the previous play
    float lastGain = 0.0f;
};
} // namespace Orvex
