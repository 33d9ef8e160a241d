#pragma once
// A sound of the audio layer: either decoded whole at load (short effects) or a
// stream, of which only the path and format are kept here; every channel that
// plays a stream decodes it through its own StreamReader.

#include <cstddef>
#include <string>
#include <vector>

#include "audio/AudioResult.h"

namespace Orvex
{
enum class ClipKind
{
    Stream, // decoded in chunks while it plays
    Loaded, // decoded whole when loaded
};

class AudioClip
{
public:
    // Opens path; a loaded clip decodes every frame now, a stream only checks the file.
    AudioResult Load(const std::string& path, ClipKind kind);

    ClipKind Kind() const { return kind; }
    const std::string& Path() const { return path; }
    int Rate() const { return rate; }                       // frames per second
    std::size_t FrameCount() const { return frameCount; }   // frames in the file
    // Interleaved stereo, 2 × FrameCount() floats; empty for streams.
    const std::vector<float>& Frames() const { return frames; }

    // Set when its owner released it while channels still play it; the mixer frees
    // it once they have ended.
    bool released = false;

private:
    ClipKind kind = ClipKind::Loaded;
    std::string path;
    int rate = 0;
    std::size_t frameCount = 0;
    std::vector<float> frames;
};
} // namespace Orvex
