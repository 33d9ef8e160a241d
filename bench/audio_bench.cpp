// Audio scenes: mixing one device buffer with 1, 8 and 36 sounds playing, each at
// its own frequency factor (so every voice resamples), as a share of real time:
// "percent_of_realtime" is 100 × the mixing (CPU) time over the buffer's own duration.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sndfile.h>
#include <unistd.h>

#include "audio/Mixer.h"

namespace Orvex
{
namespace
{
// A second of a 22.05 kHz stereo tone, written once per process.
std::string ToneFile()
{
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / ("orvex_audio_bench_" + std::to_string(::getpid()) + ".wav"))
                .string();
        SF_INFO info{};
        info.samplerate = 22050;
        info.channels = 2;
        info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
        std::vector<float> frames(2 * 22050);
        for (std::size_t i = 0; i < frames.size(); ++i)
            frames[i] = 0.01f * static_cast<float>(i % 97) / 97.0f;
        SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
        sf_writef_float(out, frames.data(), 22050);
        sf_close(out);
        return file;
    }();
    return path;
}

void MixDeviceBuffer(benchmark::State& state)
{
    const auto voices = static_cast<int>(state.range(0));
    Mixer mixer;
    mixer.Start(36, Mixer::Output::Manual);
    ChannelGroup* group = nullptr;
    mixer.CreateGroup("effects0", &group);
    AudioClip* clip = nullptr;
    mixer.CreateClip(ToneFile(), ClipKind::Loaded, &clip);
    for (int i = 0; i < voices; ++i)
    {
        Channel channel;
        mixer.Play(clip, group, &channel);
        channel.SetLoop(true);
        channel.SetFrequency(22050.0f * (0.9f + 0.2f * static_cast<float>(i) / 36.0f));
        channel.SetVolume(0.5f);
    }
    std::vector<float> out(2 * Mixer::kDeviceFrames);
    for (auto _ : state)
    {
        mixer.Mix(out.data(), Mixer::kDeviceFrames);
        benchmark::DoNotOptimize(out.data());
    }
    const double bufferSeconds = static_cast<double>(Mixer::kDeviceFrames) / Mixer::kOutputRate;
    state.counters["percent_of_realtime"] = benchmark::Counter(
        bufferSeconds / 100.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * Mixer::kDeviceFrames);
}
BENCHMARK(MixDeviceBuffer)->Arg(1)->Arg(8)->Arg(36);
} // namespace
} // namespace Orvex
