// Arbitrary bytes as a ghost file. Every problem must come out as the reader's
// own error text (a string naming the file and the line); anything else thrown,
// and every crash, leak or hang, is a failure.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/GhostFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try
    {
        const Orvex::GhostTrack track = Orvex::ParseGhost(text, "fuzz.ghost");
        // What was read writes back to a text that reads as the same poses.
        const Orvex::GhostTrack back = Orvex::ParseGhost(Orvex::GhostText(track), "again.ghost");
        if (back.level != track.level || back.poses.size() != track.poses.size())
            std::abort();
        for (std::size_t i = 0; i < track.poses.size(); ++i)
            if (back.poses[i].texture != track.poses[i].texture ||
                back.poses[i].position != track.poses[i].position ||
                back.poses[i].rotation != track.poses[i].rotation ||
                back.poses[i].scale != track.poses[i].scale)
                std::abort();
    }
    catch (const std::string& error)
    {
        if (error.compare(0, 11, "fuzz.ghost:") != 0)
            std::abort();
    }
    return 0;
}
