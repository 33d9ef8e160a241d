#pragma once
// The sound manager started with manual output and a sounds folder of the test's
// own, so that tests pull exact frames and load the files they wrote.

#include <gtest/gtest.h>

#include <sstream>

#include "TestSounds.h"
#include "audio/Mixer.h"
#include "audio/SoundManager.h"
#include "data/Deserializer.h"
#include "engine/AssetPaths.h"

namespace Orvex::Testing
{
class ManualSoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::istringstream text("[Sounds]\nPATH=" + folder.Path("") + "\nEXT=.ogg\n");
        config = Deserializer(text, "test sounds", Deserializer::SectionFile);
        SetAssetConfig(&config);
        SoundManager::InitManualOutput();
    }
    void TearDown() override
    {
        SoundManager::Shutdown();
        SetAssetConfig(nullptr);
    }
    // A sound file under the name a cSound loads ("Music/Theme" → ".../Music/Theme.ogg").
    // WAV content keeps the values exact; the decoder goes by content, not by name.
    void Sound(const std::string& name, int frames, float value = 0.5f)
    {
        folder.Constant(name + ".ogg", frames, value);
    }
    std::vector<float> Pull(int frames)
    {
        std::vector<float> out(2 * static_cast<std::size_t>(frames));
        SoundManager::GetMixer().Mix(out.data(), frames);
        return out;
    }
    static int ChannelCount(ChannelGroup* group)
    {
        int count = -1;
        group->GetNumChannels(&count);
        return count;
    }

    SoundFolder folder;
    Deserializer config;
};
} // namespace Orvex::Testing
