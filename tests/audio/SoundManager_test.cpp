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

unsigned NumberOf(const std::string& name, const std::string& prefix)
{
    EXPECT_EQ(name.rfind(prefix, 0), 0u) << name;
    return static_cast<unsigned>(std::stoul(name.substr(prefix.size())));
}

TEST_F(SoundManagerTest, OnlySuccessAndAMissingFilePass)
{
    EXPECT_EQ(ErrorOf(AUDIO_OK), "no error");
    EXPECT_EQ(ErrorOf(AUDIO_FILE_NOT_FOUND), "no error");
    EXPECT_EQ(ErrorOf(AUDIO_BAD_FILE), "Unknown audio error number: 2");
    EXPECT_EQ(ErrorOf(-7), "Unknown audio error number: -7");
}

TEST_F(SoundManagerTest, MastersAreMadeOnceAndEachStateGetsTheNextNumberUnderThem)
{
    ChannelGroup* music = SoundManager::MusicGroup();
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->Name(), "Music");
    EXPECT_EQ(SoundManager::EffectsGroup()->Name(), "Effects");
    SoundManager::Init(); // twice keeps the masters
    EXPECT_EQ(SoundManager::MusicGroup(), music);
    GamestateSoundGroups first = SoundManager::CreateGameStateGroups();
    GamestateSoundGroups second = SoundManager::CreateGameStateGroups();
    const unsigned n = NumberOf(first.music->Name(), "music");
    EXPECT_EQ(NumberOf(first.effects->Name(), "effects"), n);
    EXPECT_EQ(second.music->Name(), "music" + std::to_string(n + 1));
    EXPECT_EQ(second.effects->Name(), "effects" + std::to_string(n + 1));
    EXPECT_EQ(first.music->Parent(), SoundManager::MusicGroup());
    EXPECT_EQ(first.effects->Parent(), SoundManager::EffectsGroup());
    SoundManager::ReleaseGameStateGroups(first);
    SoundManager::ReleaseGameStateGroups(second);
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

TEST(SoundManagerDevice, WithoutAnyDriverSoundStartsWithNoOutput)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SoundManager::Init();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(SoundManager::Initialised());
    EXPECT_FALSE(SoundManager::GetMixer().HasDevice());
    GamestateSoundGroups groups = SoundManager::CreateGameStateGroups();
    EXPECT_NE(groups.music, nullptr);
    SoundManager::ReleaseGameStateGroups(groups);
    SoundManager::Shutdown();
}
} // namespace
} // namespace Orvex::Testing
