// Arbitrary bytes as a level file, loaded into a game state by the real loader
// with every registered component. Runs in the folder beside the data tree.
// Errors are logged or thrown (strings, or the standard library's number
// conversion errors, which the process entry reports like any other); crashes,
// leaks and hangs are failures.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "data/Level.h"
#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"

namespace
{
class FuzzState : public Orvex::IGamestate
{
public:
    FuzzState() : IGamestate(false, true) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

Orvex::Engine* engine = nullptr;

// Before the pools go at exit, so the caches the engine owns are released through it
// and the leak check sees only what the loader itself lost.
void DeleteEngine() { Orvex::Delete(engine); }
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    engine = Orvex::New<Orvex::Engine>();
    std::atexit(DeleteEngine);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name = "__fuzz_level";
    {
        std::ofstream out(Orvex::AssetPath("Levels", name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    FuzzState state;
    try
    {
        Orvex::LoadLevel(name, state);
        state.Housekeeping();
    }
    catch (const std::string&)
    {
    }
    catch (const std::exception&)
    {
    }
    return 0;
}
