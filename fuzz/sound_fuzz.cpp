// Arbitrary bytes as a sound file: loaded whole as an effect is, and streamed as
// music is, for a bounded number of refills. A refusal is a fine answer; crashes,
// reads past the decoded frames and unbounded allocations are not.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "audio/AudioClip.h"
#include "audio/StreamReader.h"

namespace
{
std::string path;

void Stream()
{
    Orvex::StreamReader reader;
    if (reader.Open(path) != Orvex::AUDIO_OK)
        return;
    float frame[2];
    for (int refill = 0; refill < 8 && !reader.Drained(); ++refill)
    {
        reader.Refill(false);
        while (reader.Pop(frame))
        {
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    path = "/tmp/fuzz_sound_" + std::to_string(getpid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (std::FILE* out = std::fopen(path.c_str(), "wb"))
    {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    Orvex::AudioClip clip;
    if (clip.Load(path, Orvex::ClipKind::Loaded) == Orvex::AUDIO_OK)
    {
        float sum = 0.0f;
        for (float sample : clip.Frames())
            sum += sample;
        if (clip.Frames().size() != 2 * clip.FrameCount())
            __builtin_trap();
        (void)sum;
    }
    Stream();
    return 0;
}
