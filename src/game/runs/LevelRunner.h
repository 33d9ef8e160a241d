#pragma once
// One level of the game played without a window at the fixed 60 Hz step, as fast
// as the machine goes: the real simulation, fed from a recorded run. Tests replay
// the shipped runs with it and tools search for new ones.
//
// The working folder must hold the data tree (config, levels, ...), as for the game.

#include <cstddef>
#include <cstdint>
#include <string>

#include "data/RunFile.h"
#include "memory/MemoryManager.h"

namespace Orvex
{
class Engine;
class Entity;
class Gameplay;
class RunTape;

class LevelRunner
{
public:
    static constexpr float step = 1.0f / 60.0f; // seconds

    // An engine with no window and a play state of the registered name (a
    // Gameplay or one derived from it) replaying run: its level, seed and keys.
    explicit LevelRunner(RecordedRun run, const std::string& stateName = "Gameplay");
    ~LevelRunner();
    LevelRunner(const LevelRunner&) = delete;
    LevelRunner& operator=(const LevelRunner&) = delete;

    // One frame of the engine at the fixed step.
    void Step();
    // Steps until the level has ended or count steps were made; true when it ended.
    bool StepUntilLevelEnd(std::size_t count);

    // The play state while it is on the engine's stack, else null.
    Gameplay* Play() const;
    // The entity named "TumboWuffin" of the play state, or null.
    Entity* Player() const;
    bool LevelEnded() const;
    // The points the level's score display counts (its "hud" ScoreTracker), or -1.
    int Score() const;
    // The keys being played, while the play state exists; steps past their end
    // hold none, and keys appended while the run plays are played in their turn.
    RecordedRun& Run();
    // The play state's tape, while the state exists (also before the first step).
    RunTape& Tape();
    // Fixed steps of the level played so far.
    std::size_t Steps() const;
    Engine& GetEngine() { return *engine; }

private:
    Pooled<Engine> engine;
    Gameplay* play = nullptr;   // may be gone: see Play
    std::size_t steps = 0;      // of the level, at the last step
    bool started = false;
};

// For tools that play levels headless: the working folder becomes the one the
// executable lies in, beside its data tree, and sound runs without a device,
// whose thread would not survive a fork.
void RunBesideTheDataTree();

// FNV-1a over the bit patterns of the entity's position and velocity: two runs
// that end with the same hash ended in the same place, bit for bit.
std::uint64_t PositionHash(const Entity& entity);
} // namespace Orvex
