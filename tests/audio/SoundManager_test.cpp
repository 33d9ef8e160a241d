#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSounds.h"
#include "support/ErrorOf.h"
#include "audio/ChannelGroup.h"

namespace Orvex::Testing
{
namespace
{
using SoundManagerTest = ManualSoundTest;

std::string ErrorOf(int code)
{
    return Orvex::ErrorOf([code] { SoundManager::CheckResult(code); });
}

TEST_F(SoundManagerTest, OnlySuccessAndAMissingFilePass)
{
    EXPECT_EQ(ErrorOf(AUDIO_OK), "no error");
    EXPECT_EQ(ErrorOf(AUDIO_FILE_NOT_FOUND), "no error");
    EXPECT_EQ(ErrorOf(AUDIO_BAD_FILE), "Unknown audio error number: 2");
    EXPECT_EQ(ErrorOf(-7), "Unknown audio error number: -7");
}

// Each state's groups sit under the masters and are gone once released.
TEST_F(SoundManagerTest, MastersAreMadeOnceAndEachStatesGroupsSitUnderThem)
{
    ChannelGroup* music = SoundManager::MusicGroup();
    ASSERT_NE(music, nullptr);
    SoundManager::Init(); // twice keeps the masters
    EXPECT_EQ(SoundManager::MusicGroup(), music);
    GamestateSoundGroups groups = SoundManager::CreateGameStateGroups();
    EXPECT_EQ(groups.music->Parent(), music);
    EXPECT_EQ(groups.effects->Parent(), SoundManager::EffectsGroup());
    const GamestateSoundGroups released = groups;
    SoundManager::ReleaseGameStateGroups(groups);
    EXPECT_FALSE(SoundManager::GetMixer().Owns(released.music));
    EXPECT_FALSE(SoundManager::GetMixer().Owns(released.effects));
}

TEST_F(SoundManagerTest, GroupsOutlivingTheSoundManagerReleaseSafely)
{
    GamestateSoundGroups groups = SoundManager::CreateGameStateGroups();
    SoundManager::Shutdown();
    EXPECT_FALSE(SoundManager::Initialised());
    EXPECT_EQ(SoundManager::MusicGroup(), nullptr);
    SoundManager::PauseGameStateGroups(groups, true);
    SoundManager::PauseMasterGroups(true);
    SoundManager::SetMasterVolumes(0.5f);
    SoundManager::ReleaseGameStateGroups(groups);
    EXPECT_EQ(groups.music, nullptr);
}

TEST(SoundManagerDevice, WithoutAnyDriverSoundStartsWithNoOutputAndSaysSo)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    SoundManager::Init();
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                testing::EndsWith("] No audio device: sound runs without output.\n"));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(SoundManager::Initialised());
    EXPECT_FALSE(SoundManager::GetMixer().HasDevice());
    SoundManager::Shutdown();
}
} // namespace
} // namespace Orvex::Testing
