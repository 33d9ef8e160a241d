#pragma once
// Sound files written by the tests themselves, into a temporary folder of their own.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <sstream>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "audio/ChannelGroup.h"
#include "audio/Mixer.h"
#include "audio/SoundManager.h"
#include "data/Deserializer.h"
#include "engine/AssetPaths.h"

namespace Orvex::Testing
{
inline bool IsPlaying(const Channel& channel)
{
    bool playing = false;
    channel.IsPlaying(&playing);
    return playing;
}

inline int ChannelCount(ChannelGroup* group)
{
    int count = -1;
    group->GetNumChannels(&count);
    return count;
}

// A fresh folder per test process, removed when the object goes.
class SoundFolder
{
public:
    SoundFolder()
        : root(std::filesystem::temp_directory_path() / ("orvex_audio_" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(root / "Music");
    }
    ~SoundFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string Path(const std::string& name) const { return (root / name).string(); }

    // frames frames at rate; sample(frame, channel) gives each value. WAV float
    // keeps values exact; format may name any other libsndfile major/minor pair.
    std::string Write(const std::string& name, int frames, int rate, int channels,
                      const std::function<float(int, int)>& sample,
                      int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT) const
    {
        const std::string path = Path(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = format;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        std::vector<float> data(static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels));
        for (int i = 0; i < frames; ++i)
            for (int c = 0; c < channels; ++c)
                data[static_cast<std::size_t>(i * channels + c)] = sample(i, c);
        if (file)
        {
            sf_writef_float(file, data.data(), frames);
            sf_close(file);
        }
        return path;
    }
    // A level tone: every sample is value.
    std::string Constant(const std::string& name, int frames, float value, int rate = 44100) const
    {
        return Write(name, frames, rate, 2, [value](int, int) { return value; });
    }
    // Bytes that are no sound.
    std::string Garbage(const std::string& name) const
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << "RIFF this is not a sound file at all";
        return path;
    }

private:
    std::filesystem::path root;
};
// The sounds folder a test's cSounds load from, and the exact frames the sound
// manager's mixer gives.
class SoundFiles
{
protected:
    void UseSoundFolder()
    {
        std::istringstream text("[Sounds]\nPATH=" + folder.Path("") + "\nEXT=.ogg\n");
        config = Deserializer(text, "test sounds", Deserializer::SectionFile);
        SetAssetConfig(&config);
    }
    // A level tone under the name a cSound loads ("Music/Theme" → ".../Music/Theme.ogg").
    // WAV content keeps the values exact; the decoder goes by content, not by name.
    void Sound(const std::string& name, int frames, float value = 0.5f)
    {
        folder.Constant(name + ".ogg", frames, value);
    }
    static std::vector<float> Pull(int frames)
    {
        std::vector<float> out(2 * static_cast<std::size_t>(frames));
        SoundManager::GetMixer().Mix(out.data(), frames);
        return out;
    }

    SoundFolder folder;
    Deserializer config;
};
// The sound manager started with manual output and the test's sounds folder.
class ManualSoundTest : public ::testing::Test, protected SoundFiles
{
protected:
    void SetUp() override
    {
        UseSoundFolder();
        SoundManager::InitManualOutput();
    }
    void TearDown() override
    {
        SoundManager::Shutdown();
        SetAssetConfig(nullptr);
    }
};
} // namespace Orvex::Testing
