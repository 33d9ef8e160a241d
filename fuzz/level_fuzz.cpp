// Arbitrary bytes as a level file, loaded into a game state by the real loader
// with every registered component.
#include <cstddef>
#include <cstdint>

#include "FuzzLevels.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzLevels::StartEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name = "__fuzz_level";
    FuzzLevels::WriteFile(Orvex::AssetPath("Levels", name), reinterpret_cast<const char*>(data), size);
    FuzzLevels::LoadAndClear(name);
    return 0;
}
