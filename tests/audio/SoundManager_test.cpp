#include <gtest/gtest.h>

#include <cstdlib>

#include "ManualSound.h"
#include "audio/ChannelGroup.h"

namespace Orvex::Testing
{
namespace
{
using SoundManagerTest = ManualSoundTest;

std::string ErrorOf(int code)
{
    try
    {
        SoundManager::CheckResult(code);
    }
    catch (const std::string& error)
    {
        return error;
    }
    return "";
}

unsigned NumberOf(const std::string& name, const std::string& prefix)
{
    EXPECT_EQ(name.rfind(prefix, 0), 0u) << name;
    return static_cast<unsigned>(std::stoul(name.substr(prefix.size())));
}

TEST_F(SoundManagerTest, InitTwiceKeepsTheMasterGroups)
{
    ChannelGroup* music = SoundManager::MusicGroup();
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->Name(), "Music");
    EXPECT_EQ(SoundManager::EffectsGroup()->Name(), "Effects");
    SoundManager::Init();
    EXPECT_EQ(SoundManager::MusicGroup(), music);
}

TEST_F(SoundManagerTest, OnlySuccessAndAMissingFilePass)
{
    EXPECT_EQ(ErrorOf(AUDIO_OK), "");
    EXPECT_EQ(ErrorOf(AUDIO_FILE_NOT_FOUND), "");
    EXPECT_EQ(ErrorOf(AUDIO_BAD_FILE), "Unknown audio error number: 2");
    EXPECT_EQ(ErrorOf(-7), "Unknown audio error number: -7");
    EXPECT_NO_THROW(SoundManager::LogResult(AUDIO_INVALID_HANDLE));
}

TEST_F(SoundManagerTest, EachStateGetsTheNextNumberUnderTheMasters)
{
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

TEST_F(SoundManagerTest, ReleasedGroupsStopTheirSoundsAndAreGone)
{
    GamestateSoundGroups groups = SoundManager::CreateGameStateGroups();
    AudioClip* clip = nullptr;
    SoundManager::GetMixer().CreateClip(folder.Constant("tone.wav", 44100, 0.5f), ClipKind::Loaded, &clip);
    Channel channel;
    ASSERT_EQ(SoundManager::GetMixer().Play(clip, groups.effects, &channel), AUDIO_OK);
    ChannelGroup* effects = groups.effects;
    SoundManager::ReleaseGameStateGroups(groups);
    EXPECT_EQ(groups.music, nullptr);
    EXPECT_EQ(groups.effects, nullptr);
    EXPECT_FALSE(SoundManager::GetMixer().Owns(effects));
    bool playing = true;
    channel.IsPlaying(&playing);
    EXPECT_FALSE(playing);
    EXPECT_EQ(Pull(1)[0], 0.0f);
    SoundManager::ReleaseGameStateGroups(groups); // twice: nothing left to do
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

TEST_F(SoundManagerTest, PausingAStatePausesBothItsGroupsAndMasterVolumesScale)
{
    GamestateSoundGroups groups = SoundManager::CreateGameStateGroups();
    SoundManager::PauseGameStateGroups(groups, true);
    bool music = false, effects = false;
    groups.music->GetPaused(&music);
    groups.effects->GetPaused(&effects);
    EXPECT_TRUE(music && effects);
    SoundManager::PauseGameStateGroups(groups, false);
    groups.music->GetPaused(&music);
    EXPECT_FALSE(music);
    SoundManager::SetMasterVolumes(0.5f);
    float volume = 0.0f;
    SoundManager::EffectsGroup()->GetVolume(&volume);
    EXPECT_FLOAT_EQ(volume, 0.5f);
    SoundManager::ReleaseGameStateGroups(groups);
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
