// Arbitrary bytes as a recorded run file. Every problem must come out as the
// reader's own error text (a string naming the file and the line); anything else
// thrown, and every crash, leak or hang, is a failure.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/RunFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try
    {
        const Orvex::RecordedRun run = Orvex::ParseRun(text, "fuzz.run");
        // What was read writes back to a text that reads as the same run.
        const Orvex::RecordedRun back = Orvex::ParseRun(Orvex::RunText(run), "again.run");
        if (back.level != run.level || back.seed != run.seed || back.keys != run.keys)
            std::abort();
    }
    catch (const std::string& error)
    {
        if (error.compare(0, 9, "fuzz.run:") != 0)
            std::abort();
    }
    return 0;
}
