#pragma once
// The sound manager started with manual output and a sounds folder of the test's
// own, so that tests pull exact frames and load the files they wrote.

#include <gtest/gtest.h>

#include "TestSounds.h"
#include "audio/ChannelGroup.h"

namespace Orvex::Testing
{
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
    static int ChannelCount(ChannelGroup* group)
    {
        int count = -1;
        group->GetNumChannels(&count);
        return count;
    }
};
} // namespace Orvex::Testing
