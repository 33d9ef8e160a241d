#pragma once
// The decoding half of one playing stream: its own open file and a ring of
// decoded frames. Refill runs on the game thread (once per frame and when the
// stream starts); the mixer only takes frames out of the ring. Looping is done
// here, by rewinding the file, so the mixer sees one endless run of frames.

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "audio/AudioResult.h"
#include "audio/FrameRing.h"
#include "audio/SoundFile.h"

namespace Orvex
{
class StreamReader
{
public:
    static constexpr std::size_t kRingFrames = 65536; // ~1.5 s at 44.1 kHz: rides out a level load
    static constexpr std::size_t kRefillFrames = 8192; // most decoded per call (~0.19 s at 44.1 kHz)

    StreamReader();
    AudioResult Open(const std::string& path);

    // Producer side (game thread). Decodes up to kRefillFrames into the ring.
    // loop: at the end of the file start over; otherwise mark the stream drained.
    void Refill(bool loop);

    // Consumer side (mixer). Next frame; false when none is ready.
    bool Pop(float* frame) { return ring.Pop(frame); }
    // The file ended (without loop) and everything decoded was pushed.
    bool Drained() const { return drained.load(std::memory_order_acquire); }

    int Rate() const { return file.Rate(); }

private:
    SoundFile file;
    FrameRing ring;
    std::vector<float> chunk; // 2 × kRefillFrames
    std::atomic<bool> drained{false};
};
} // namespace Orvex
