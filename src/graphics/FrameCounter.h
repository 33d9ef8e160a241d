#pragma once
// Frames of the last second, counted from the time stamps of recent frames.

#include <cstddef>
#include <deque>

namespace Orvex
{
class FrameCounter
{
public:
    // Records a frame at now (seconds, any steady origin) and forgets frames more
    // than one second older than it. Returns the frames left, this one included.
    std::size_t Tick(double now);

private:
    std::deque<double> times; // seconds, oldest first
};

// Seconds of a steady clock, for Tick.
double SteadySeconds();
} // namespace Orvex
