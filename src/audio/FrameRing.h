#pragma once
// A single-producer, single-consumer ring of stereo float frames, lock-free: the
// game thread decodes into it, the device callback takes frames out, and neither
// ever waits for the other. Capacity is fixed at construction (a power of two),
// so neither side allocates afterwards.

#include <atomic>
#include <cstddef>
#include <vector>

namespace Orvex
{
class FrameRing
{
public:
    // capacity: frames, rounded up to a power of two.
    explicit FrameRing(std::size_t capacity);

    // Producer side. Copies up to count frames (2 × count floats); returns how many fit.
    std::size_t Push(const float* frames, std::size_t count);
    std::size_t Space() const;

    // Consumer side. One frame into frame[0..1]; false when the ring is empty.
    bool Pop(float* frame);
    std::size_t Available() const;

    std::size_t Capacity() const { return mask + 1; }

private:
    std::vector<float> samples; // 2 × capacity
    std::size_t mask;
    std::atomic<std::size_t> head{0}; // frames written, ever (producer)
    std::atomic<std::size_t> tail{0}; // frames read, ever (consumer)
};
} // namespace Orvex
