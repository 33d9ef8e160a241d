#pragma once
// The autopilot soak's course: after every frame of the real game loop it keeps
// RoboWuffin playing the dog, moves the play state along the chain of levels
// and reports the resident memory and the pools' blocks in use.
//
// Each level is played for a number of seconds of wall-clock time, or until it
// ends, then the level it names; a level that leads back to the menu ends a
// round and the chain starts again from the level the soak began in. The soak moves on
// itself as soon as a level ends, so the play state is never popped. A "start"
// line at every level's first frame gives the blocks in use apart from the
// texture and mesh caches (which fill as the levels first need them): a level
// must start with the same blocks in use in every round, or what an earlier
// level left behind is still alive.

#include <chrono>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace Orvex
{
class Engine;
class Gameplay;

class Soak
{
public:
    struct Options
    {
        double seconds = 600.0; // per level
        int rounds = 2;
        double sample = 30.0; // seconds between "sample" lines
    };

    // The clock starts here: make it as the first frame is about to run.
    Soak(const Options& options, std::ostream& out);

    // Quits the engine after the last round, or when the play state is gone.
    void AfterFrame(Engine& engine);
    // The closing line: frames, resident memory, blocks still in use.
    void Finish();

    // An "ERROR" line was written.
    bool Failed() const { return failed; }

private:
    using Clock = std::chrono::steady_clock;

    void Say(const std::string& what);
    void Fail(const std::string& what);
    void LevelStarted(const Gameplay& play);
    void Sample();
    void NextLevel(Engine& engine, Gameplay& play);
    long Resident();

    Options options;
    std::ostream& out;
    Clock::time_point begin = Clock::now();
    Clock::time_point levelBegin;
    Clock::time_point lastSample;
    std::string firstLevel; // of the chain: the first one played
    std::string level;      // playing now; empty before the first frame
    int round = 1;
    long frames = 0;
    long mostResident = 0;                                   // kB, the highest figure read
    std::map<std::string, std::vector<unsigned>> firstStart; // LevelBlocks, by level
    bool failed = false;
};
} // namespace Orvex
