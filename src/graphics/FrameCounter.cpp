#include "graphics/FrameCounter.h"

#include <chrono>

namespace Orvex
{
std::size_t FrameCounter::Tick(double now)
{
    times.push_back(now);
    while (now - times.front() > 1.0)
        times.pop_front();
    return times.size();
}

double SteadySeconds()
{
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace Orvex
