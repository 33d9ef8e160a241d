#include <gtest/gtest.h>

#include "TestSounds.h"
#include "support/ErrorOf.h"
#include "audio/ChannelGroup.h"
#include "audio/cSound.h"
#include "data/Serialization.h"
#include "engine/Random.h"
#include "SoundStates.h"

namespace Orvex::Testing
{
namespace
{
class cSoundTest : public ManualSoundTest
{
protected:
    cSound Loaded(const std::string& name, int frames = 44100)
    {
        Sound(name, frames);
        cSound sound;
        sound.SetName(name);
        EXPECT_NE(sound.Clip(), nullptr) << name;
        return sound;
    }
    static float Frequency(const Channel& channel)
    {
        float frequency = 0.0f;
        channel.GetFrequency(&frequency);
        return frequency;
    }
};

TEST_F(cSoundTest, OnlyTheSixCharactersMusicSlashAtTheStartMakeAStream)
{
    for (const char* name : {"Music/Theme", "Effects/Music/Boing", "MusicBox", "music/Theme"})
    {
        const bool music = std::string(name).rfind("Music/", 0) == 0;
        cSound sound = Loaded(name);
        EXPECT_EQ(sound.kind, music ? cSound::kMusic : cSound::kEffect) << name;
        EXPECT_EQ(sound.Clip()->Kind(), music ? ClipKind::Stream : ClipKind::Loaded) << name;
    }
}

// A missing file is logged and the name kept, silent; a corrupt one throws and
// leaves the sound empty.
TEST_F(cSoundTest, MissingFileKeepsTheNameSilentAndACorruptOneThrows)
{
    cSound sound;
    testing::internal::CaptureStdout();
    sound.SetName("Nowhere");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR: Sound file not found, it stays silent: " + folder.Path("Nowhere.ogg") + "\n");
    EXPECT_EQ(sound.name, "Nowhere");
    EXPECT_EQ(sound.Clip(), nullptr);
    EXPECT_FALSE(sound.Play(false, 1.0f, 0.0f));
    EXPECT_EQ(ChannelCount(SoundManager::EffectsGroup()), 0);
    cSound empty;
    EXPECT_FALSE(empty.Play(true, 1.0f, 0.0f));

    folder.Garbage("Broken.ogg");
    EXPECT_EQ(ErrorOf([&] { empty.SetName("Broken"); }),
              "Unknown audio error number: 2 (sound file " + folder.Path("Broken.ogg") + ")");
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.Clip(), nullptr);
}

// Without an engine effects and music play in the master groups, looped or not,
// at the frequency the pitch spread allows.
TEST_F(cSoundTest, PlaysInTheMasterGroupsWithoutAnEngineLoopedOrNotWithinItsPitchSpread)
{
    cSound effect = Loaded("Boing", 100);
    cSound music = Loaded("Music/Theme");
    Channel once = effect.Play(false, 0.25f, 0.0f);
    ChannelGroup* group = nullptr;
    once.GetGroup(&group);
    EXPECT_EQ(group, SoundManager::EffectsGroup());
    EXPECT_FLOAT_EQ(Frequency(once), 44100.0f);
    Channel looped = music.Play(true, 1.0f, 0.0f);
    looped.GetGroup(&group);
    EXPECT_EQ(group, SoundManager::MusicGroup());
    SoundManager::Update();
    EXPECT_FLOAT_EQ(Pull(1)[0], 0.5f * 0.25f + 0.5f);
    Pull(1000);
    EXPECT_FALSE(IsPlaying(once));
    EXPECT_TRUE(IsPlaying(looped));

    Random::Seed(7);
    float lowest = 2.0f, highest = 0.0f;
    for (int i = 0; i < 200; ++i)
    {
        Channel channel = effect.Play(false, 1.0f, 0.1f);
        const float factor = Frequency(channel) / 44100.0f;
        lowest = std::min(lowest, factor);
        highest = std::max(highest, factor);
        channel.Stop();
    }
    EXPECT_GE(lowest, 0.9f - 1e-6f);
    EXPECT_LE(highest, 1.1f + 1e-6f);
    EXPECT_LT(lowest, 0.92f);
    EXPECT_GT(highest, 1.08f);
}

TEST_F(cSoundTest, CopiesLoadTheirOwnSoundOfTheSameNameAMoveHandsItOverAndReleaseForgetsIt)
{
    cSound original = Loaded("Boing");
    cSound copy = original;
    EXPECT_EQ(copy.name, "Boing");
    ASSERT_NE(copy.Clip(), nullptr);
    EXPECT_NE(copy.Clip(), original.Clip());
    cSound target = Loaded("Boing");
    target = original; // onto the same name: still its own, loaded
    EXPECT_NE(target.Clip(), nullptr);
    EXPECT_NE(target.Clip(), original.Clip());
    const cSound& itself = target; // through a reference: clang warns of a plain self-assignment
    target = itself;
    EXPECT_NE(target.Clip(), nullptr);
    original.Release(); // forgets the name, so that the same name loads again
    EXPECT_EQ(original.name, "");
    EXPECT_EQ(original.Clip(), nullptr);
    EXPECT_TRUE(copy.Play(false, 1.0f, 0.0f));
    original.SetName("Boing");
    AudioClip* loaded = original.Clip();
    ASSERT_NE(loaded, nullptr);
    original.SetName("Boing"); // the same name, or none, keeps the sound
    original.SetName("");
    EXPECT_EQ(original.Clip(), loaded);
    Sound("Other", 100);
    original.SetName("Other");
    EXPECT_EQ(original.name, "Other");
    EXPECT_EQ(original.Clip()->FrameCount(), 100u);
    AudioClip* clip = copy.Clip();
    cSound moved = std::move(copy);
    EXPECT_EQ(moved.Clip(), clip);
    EXPECT_EQ(copy.Clip(), nullptr);
    target = cSound();
    EXPECT_EQ(target.name, "");
    EXPECT_EQ(target.Clip(), nullptr);
    cSound missing;
    missing.SetName("Nowhere");
    target = missing;
    EXPECT_EQ(target.name, "Nowhere");
    EXPECT_EQ(target.Clip(), nullptr);
}

TEST_F(cSoundTest, ASoundOutlivingTheSoundManagerGoesQuietAndLeavesANewOnesAlone)
{
    cSound old = Loaded("Boing");
    SoundManager::Shutdown();
    EXPECT_FALSE(old.Play(false, 1.0f, 0.0f));
    SoundManager::InitManualOutput();
    cSound fresh = Loaded("Boing"); // its clip may well sit where the freed one was
    EXPECT_FALSE(old.Play(false, 1.0f, 0.0f));
    old.Release();
    EXPECT_EQ(old.Clip(), nullptr);
    ASSERT_NE(fresh.Clip(), nullptr);
    EXPECT_TRUE(fresh.Play(false, 1.0f, 0.0f));
}

TEST_F(cSoundTest, DataFilesReadAndWriteTheName)
{
    Sound("Boing", 100);
    std::istringstream text("Object:\n{\n  Sound=Boing\n}\n");
    Deserializer object(text, "test", Deserializer::ObjectFile);
    cSound sound;
    PodTraits<cSound>::Deserialize("Sound", sound, object.GetChild("Object"));
    EXPECT_EQ(sound.name, "Boing");
    EXPECT_NE(sound.Clip(), nullptr);
    PodTraits<cSound>::Deserialize("Other", sound, object.GetChild("Object"));
    EXPECT_EQ(sound.name, "Boing");
    SerialOutput output;
    PodTraits<cSound>::Serialize("Sound", sound);
    EXPECT_EQ(output.Text(), "Sound=Boing\n");
}

using cSoundInStates = SoundStateTest;

// A covered state is paused until uncovered; an inactive window pauses the masters.
TEST_F(cSoundInStates, PlayJoinsTheActiveStatesGroupsWhichPauseWhenCoveredOrTheWindowIsInactive)
{
    Sound("Boing", 44100);
    Sound("Music/Theme", 44100);
    cSound boing;
    cSound theme;
    boing.SetName("Boing");
    theme.SetName("Music/Theme");
    TraceState* below = Start("below");
    ChannelGroup* group = nullptr;
    boing.Play(false, 1.0f, 0.0f).GetGroup(&group);
    EXPECT_EQ(group, below->SoundGroups().effects);
    theme.Play(true, 1.0f, 0.0f).GetGroup(&group);
    EXPECT_EQ(group, below->SoundGroups().music);
    Start("above");
    EXPECT_TRUE(Paused(below->SoundGroups().music));
    EXPECT_TRUE(Paused(below->SoundGroups().effects));
    engine->PopGamestates(1);
    engine->RunFrame();
    EXPECT_FALSE(Paused(below->SoundGroups().music));
    EXPECT_FALSE(Paused(below->SoundGroups().effects));

    engine->SendMessage(ENGINE_DEACTIVATE, nullptr);
    engine->RunFrame();
    EXPECT_TRUE(Paused(SoundManager::MusicGroup()));
    EXPECT_TRUE(Paused(SoundManager::EffectsGroup()));
    engine->SendMessage(ENGINE_ACTIVATE, nullptr);
    engine->RunFrame();
    EXPECT_FALSE(Paused(SoundManager::MusicGroup()));
}

} // namespace
} // namespace Orvex::Testing
