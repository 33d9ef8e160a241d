#pragma once
// One sound file opened for decoding (WAV, Ogg Vorbis, FLAC through libsndfile),
// read as interleaved stereo float frames whatever its own channel count: mono is
// doubled, more than two channels keep the first two.

#include <cstddef>
#include <string>
#include <vector>

#include "audio/AudioResult.h"

typedef struct sf_private_tag SNDFILE;

namespace Orvex
{
class SoundFile
{
public:
    SoundFile() = default;
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    // AUDIO_FILE_NOT_FOUND when nothing is at path, AUDIO_BAD_FILE when it does
    // not decode or holds no frames.
    AudioResult Open(const std::string& path);
    void Close();
    // Up to frames stereo frames into out (2 × frames floats); fewer at the end.
    std::size_t Read(float* out, std::size_t frames);
    // Back to the first frame (for loops).
    void Rewind();

    int Rate() const { return rate; }                  // frames per second
    std::size_t FrameCount() const { return frameCount; }

private:
    SNDFILE* file = nullptr;
    int rate = 0;
    int fileChannels = 0;
    std::size_t frameCount = 0;
    std::vector<float> scratch; // the file's own interleaving, before folding to stereo
};
} // namespace Orvex
