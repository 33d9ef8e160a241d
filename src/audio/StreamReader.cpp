#include "audio/StreamReader.h"

namespace Orvex
{
StreamReader::StreamReader() : ring(kRingFrames), chunk(2 * kRefillFrames) {}

AudioResult StreamReader::Open(const std::string& path) { return file.Open(path); }

void StreamReader::Refill(bool loop)
{
    if (drained.load(std::memory_order_relaxed))
    {
        // Looping switched on after the end was decoded: carry on from the start.
        if (!loop)
            return;
        file.Rewind();
        drained.store(false, std::memory_order_release);
    }
    std::size_t budget = kRefillFrames < ring.Space() ? kRefillFrames : ring.Space();
    bool rewound = false; // one rewind per call: an empty file must not spin
    while (budget > 0)
    {
        const std::size_t got = file.Read(chunk.data(), budget);
        ring.Push(chunk.data(), got);
        budget -= got;
        if (got > 0)
            rewound = false;
        if (budget == 0)
            break;
        if (!loop || rewound)
        {
            drained.store(!loop, std::memory_order_release);
            return;
        }
        file.Rewind();
        rewound = true;
    }
}
} // namespace Orvex
