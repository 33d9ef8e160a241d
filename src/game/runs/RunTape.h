#pragma once
// A recorded run in play: plays its keys into the input state one fixed step at a
// time, or records the keys held at each step.
//
// A recorded key stands for the key of every layout the player controller knows
// (L for A, the Left arrow and keypad 4; R for D, the Right arrow and keypad 6),
// so a run plays the same whichever layout the level's player uses.

#include <cstddef>
#include <cstdint>
#include <string>

#include "data/RunFile.h"

namespace Orvex
{
namespace RunKeys
{
// The recorded keys held in the input state now.
std::uint8_t Held();
// Presses the scancodes of the wanted keys that are not held and releases those
// of the held keys that are not wanted (with their key messages).
void Apply(std::uint8_t wanted);
} // namespace RunKeys

class RunTape
{
public:
    // Plays run from its first step.
    void Replay(RecordedRun run);
    // Records into an empty run of this level and seed; a level end writes it to
    // savePath, unless that is empty.
    void Record(const std::string& level, std::uint64_t seed, const std::string& savePath = "");
    void Stop();

    bool Replaying() const { return mode == Mode::Replay; }
    bool Recording() const { return mode == Mode::Record; }
    // The keys played or recorded; a replay may be extended while it plays.
    RecordedRun& Run() { return run; }
    const RecordedRun& Run() const { return run; }
    // Fixed steps played or recorded since the level started.
    std::size_t Steps() const { return steps; }

    // The level is loading: its first step comes next; a recording starts empty.
    void Rewind();
    // Replaying: the keys of the next step are held, all others released; past
    // the last step no key is held.
    void Play();
    // Recording: the keys held now are the next step's (up to the longest run a
    // file holds).
    void Capture();
    // Recording: the level ended; the run is written to the save path. A file
    // that cannot be written is logged, and play goes on.
    void LevelEnded();

private:
    enum class Mode
    {
        Off,
        Replay,
        Record,
    };

    Mode mode = Mode::Off;
    RecordedRun run;
    std::size_t steps = 0;
    std::string savePath;
};
} // namespace Orvex
