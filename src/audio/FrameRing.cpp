#include "audio/FrameRing.h"

namespace Orvex
{
namespace
{
std::size_t PowerOfTwoAtLeast(std::size_t n)
{
    std::size_t size = 1;
    while (size < n)
        size <<= 1;
    return size;
}
} // namespace

FrameRing::FrameRing(std::size_t capacity)
    : samples(2 * PowerOfTwoAtLeast(capacity)), mask(PowerOfTwoAtLeast(capacity) - 1)
{
}

std::size_t FrameRing::Push(const float* frames, std::size_t count)
{
    const std::size_t written = head.load(std::memory_order_relaxed);
    const std::size_t free = Capacity() - (written - tail.load(std::memory_order_acquire));
    const std::size_t n = count < free ? count : free;
    for (std::size_t i = 0; i < n; ++i)
    {
        const std::size_t slot = ((written + i) & mask) * 2;
        samples[slot] = frames[2 * i];
        samples[slot + 1] = frames[2 * i + 1];
    }
    head.store(written + n, std::memory_order_release);
    return n;
}

std::size_t FrameRing::Space() const
{
    return Capacity() - (head.load(std::memory_order_relaxed) - tail.load(std::memory_order_acquire));
}

bool FrameRing::Pop(float* frame)
{
    const std::size_t read = tail.load(std::memory_order_relaxed);
    if (read == head.load(std::memory_order_acquire))
        return false;
    const std::size_t slot = (read & mask) * 2;
    frame[0] = samples[slot];
    frame[1] = samples[slot + 1];
    tail.store(read + 1, std::memory_order_release);
    return true;
}

std::size_t FrameRing::Available() const
{
    return head.load(std::memory_order_acquire) - tail.load(std::memory_order_relaxed);
}
} // namespace Orvex
