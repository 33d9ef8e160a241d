// Arbitrary bytes as an archetype file and a level of its instances: the input is
// the archetype's text, a line "%%" and the level's text, which names the
// archetype "__fuzz_archetype" (as whole entries, 1.0 and 1.1 overrides or 1.3
// instances with their placed Transform). Both go through the real loader.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzLevels.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzLevels::StartEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t split = text.find("\n%%\n");
    const std::string archetype = text.substr(0, split);
    const std::string level = split == std::string::npos ? "" : text.substr(split + 4);
    FuzzLevels::WriteFile(Orvex::AssetPath("Archetypes", "__fuzz_archetype"), archetype.data(),
                          archetype.size());
    FuzzLevels::WriteFile(Orvex::AssetPath("Levels", "__fuzz_instances"), level.data(), level.size());
    FuzzLevels::LoadAndClear("__fuzz_instances");
    return 0;
}
