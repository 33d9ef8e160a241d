#pragma once
// What the level and archetype targets share: a running engine (for the caches
// and the sound manager the components reach) and a bare game state that the
// real loader fills. Runs in the folder beside the data tree.

#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "data/Level.h"
#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"

namespace FuzzLevels
{
class FuzzState : public Orvex::IGamestate
{
public:
    FuzzState() : IGamestate(false, true) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

inline Orvex::Engine*& TheEngine()
{
    static Orvex::Engine* engine = nullptr;
    return engine;
}

// The engine, deleted before the pools go at exit: the caches it owns are then
// released through it and the leak check sees only what the loader lost.
inline void StartEngine()
{
    TheEngine() = Orvex::New<Orvex::Engine>();
    std::atexit([] { Orvex::Delete(TheEngine()); });
}

inline void WriteFile(const std::string& path, const char* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
}

// Loads the level into a fresh state and removes its entities again. Every bad
// file must be refused with the engine's string error: anything else escaping
// (a standard-library error) is a finding, and so is a crash, a leak or a hang.
inline void LoadAndClear(const std::string& levelName)
{
    FuzzState state;
    try
    {
        Orvex::LoadLevel(levelName, state);
        state.Housekeeping();
    }
    catch (const std::string&)
    {
    }
}
} // namespace FuzzLevels
