#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <cstdlib>
#include <thread>

#include "TestSounds.h"
#include "audio/Mixer.h"

namespace Orvex::Testing
{
namespace
{
class MixerTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(mixer.Start(36, Mixer::Output::Manual), AUDIO_OK); }

    AudioClip* Clip(const std::string& path, ClipKind kind = ClipKind::Loaded)
    {
        AudioClip* clip = nullptr;
        EXPECT_EQ(mixer.CreateClip(path, kind, &clip), AUDIO_OK);
        return clip;
    }
    Channel Play(AudioClip* clip, ChannelGroup* group = nullptr)
    {
        Channel channel;
        EXPECT_EQ(mixer.Play(clip, group, &channel), AUDIO_OK);
        return channel;
    }
    ChannelGroup* Group(const std::string& name)
    {
        ChannelGroup* group = nullptr;
        EXPECT_EQ(mixer.CreateGroup(name, &group), AUDIO_OK);
        return group;
    }
    std::vector<float> Pull(int frames)
    {
        std::vector<float> out(2 * static_cast<std::size_t>(frames));
        mixer.Mix(out.data(), frames);
        return out;
    }
    // Frames mixed, in device-sized blocks with a game frame's update between,
    // until nothing sounds any more; the count of frames that held sound.
    int SoundingFrames(int most = 44100 * 10)
    {
        int sounding = 0;
        for (int done = 0; done < most; done += Mixer::kDeviceFrames)
        {
            mixer.Update();
            const auto block = Pull(Mixer::kDeviceFrames);
            for (int i = 0; i < Mixer::kDeviceFrames; ++i)
                if (block[2 * static_cast<std::size_t>(i)] != 0.0f)
                    ++sounding;
        }
        return sounding;
    }

    SoundFolder folder;
    Mixer mixer;
};

// Volumes multiply down the group chain; a paused parent holds its channels
// where they are; a released group stops its own channels and frees its children.
TEST_F(MixerTest, GroupsMultiplyVolumesPauseTheirChainAndReleaseOnlyTheirOwnChannels)
{
    ChannelGroup* master = Group("Music");
    ChannelGroup* state = Group("music0");
    ASSERT_EQ(master->AddGroup(state), AUDIO_OK);
    master->SetVolume(0.5f);
    state->SetVolume(0.5f);
    Channel inState = Play(Clip(folder.Constant("tone.wav", 1000, 0.8f)), state);
    inState.SetVolume(0.5f);
    const auto out = Pull(400);
    EXPECT_FLOAT_EQ(out[0], 0.8f * 0.125f);
    EXPECT_FLOAT_EQ(out[1], 0.8f * 0.125f);
    master->SetPaused(true);
    for (float sample : Pull(2000))
        EXPECT_EQ(sample, 0.0f);
    EXPECT_TRUE(IsPlaying(inState));
    master->SetPaused(false);
    Channel inMaster = Play(Clip(folder.Constant("a.wav", 44100, 0.2f)), master);
    EXPECT_EQ(master->Release(), AUDIO_OK);
    EXPECT_FALSE(mixer.Owns(master));
    EXPECT_FALSE(IsPlaying(inMaster));
    EXPECT_EQ(state->Parent(), nullptr);
    EXPECT_FLOAT_EQ(Pull(1)[0], 0.8f * 0.25f);
    EXPECT_EQ(SoundingFrames(4096), 599);
}

// A stream longer than its ring plays through; a looped stream shorter than one
// pull starts over without an update in between.
TEST_F(MixerTest, SoundsPlayEveryFrameOnceThenEndUnlessLooped)
{
    for (float sample : Pull(256))
        EXPECT_EQ(sample, 0.0f) << "nothing playing";
    Channel once = Play(Clip(folder.Constant("tone.wav", 3000, 0.5f)));
    EXPECT_EQ(SoundingFrames(8192), 3000);
    EXPECT_FALSE(IsPlaying(once));
    const int frames = 3 * static_cast<int>(StreamReader::kRingFrames) + 77;
    Channel stream = Play(Clip(folder.Constant("Music/long.ogg", frames, 0.5f), ClipKind::Stream));
    EXPECT_EQ(SoundingFrames(frames + 44100), frames);
    EXPECT_FALSE(IsPlaying(stream));
    Channel looped = Play(Clip(folder.Constant("short.wav", 300, 0.5f)));
    looped.SetLoop(true);
    EXPECT_EQ(SoundingFrames(8192), 8192);
    looped.Stop();
    Channel blip = Play(Clip(folder.Constant("Music/blip.wav", 300, 0.5f), ClipKind::Stream));
    blip.SetLoop(true);
    for (float sample : Pull(2000))
        ASSERT_EQ(sample, 0.5f);
    blip.Stop();
    Channel refilled = Play(Clip(folder.Constant("Music/short.wav", 5000, 0.5f), ClipKind::Stream));
    refilled.SetLoop(true);
    EXPECT_EQ(SoundingFrames(44544), 44544);
    EXPECT_TRUE(IsPlaying(refilled));
}

// A stream plays in file order without gaps; a decoder that lags (no update
// since the stream was primed) holds its place, and the frames go on from there.
TEST_F(MixerTest, StreamsPlayInFileOrderAndALaggingDecoderHoldsTheirPlace)
{
    const int frames = 100000;
    const auto ramp = [](int i, int) { return (i % 1000) / 1000.0f * 0.5f; };
    const std::string path = folder.Write("Music/ramp.wav", frames, 44100, 1, ramp);
    Play(Clip(path, ClipKind::Stream));
    for (int block = 0; block < frames / 1000; ++block)
    {
        mixer.Update();
        const auto out = Pull(1000);
        ASSERT_NEAR(out[2 * 999], 0.4995f, 1e-6f) << "block " << block;
        ASSERT_EQ(out[0], 0.0f) << "block " << block;
    }
    const int primed = static_cast<int>(StreamReader::kRefillFrames);
    Channel lagging = Play(Clip(path, ClipKind::Stream));
    const auto starved = Pull(primed + 100);
    EXPECT_EQ(starved[2 * (primed - 2)], ramp(primed - 2, 0));
    EXPECT_EQ(starved[2 * primed], 0.0f) << "nothing decoded past the primed frames";
    EXPECT_TRUE(IsPlaying(lagging));
    mixer.Update();
    const auto resumed = Pull(4);
    EXPECT_EQ(resumed[0], ramp(primed - 1, 0)) << "the first frame not yet played";
    EXPECT_GT(resumed[6], resumed[0]);
}

// Ogg Vorbis and FLAC decode; loaded clips of one unchanged file share one
// decoding; a missing file is its own code, a corrupt one an error.
TEST_F(MixerTest, ClipsDecodeOnceForAnUnchangedFileAndTellMissingFromCorrupt)
{
    const auto sine = [](int i, int) { return 0.5f * std::sin(static_cast<float>(i) * 0.05f); };
    for (const int format : {SF_FORMAT_OGG | SF_FORMAT_VORBIS, SF_FORMAT_FLAC | SF_FORMAT_PCM_16})
    {
        AudioClip* clip = Clip(folder.Write("sine" + std::to_string(format), 22050, 44100, 1, sine, format));
        ASSERT_NE(clip, nullptr);
        EXPECT_EQ(clip->FrameCount(), 22050u);
        EXPECT_NEAR(clip->Frames()[2 * 1000], sine(1000, 0), 0.02f);
    }
    const std::string path = folder.Constant("hit.wav", 100, 0.5f);
    AudioClip* first = Clip(path);
    AudioClip* second = Clip(path);
    ASSERT_NE(first, second);
    EXPECT_EQ(first->Frames().data(), second->Frames().data());
    const auto written = std::filesystem::last_write_time(path);
    folder.Constant("hit.wav", 100, 0.25f);
    std::filesystem::last_write_time(path, written + std::chrono::seconds(1));
    EXPECT_EQ(Clip(path)->Frames()[0], 0.25f) << "a rewritten file is decoded again";
    EXPECT_EQ(first->Frames()[0], 0.5f);

    std::filesystem::remove(path);
    AudioClip* clip = reinterpret_cast<AudioClip*>(&mixer);
    EXPECT_EQ(mixer.CreateClip(path, ClipKind::Loaded, &clip), AUDIO_FILE_NOT_FOUND);
    EXPECT_EQ(clip, nullptr);
    EXPECT_EQ(mixer.CreateClip(folder.Garbage("bad.wav"), ClipKind::Loaded, &clip), AUDIO_BAD_FILE);
    EXPECT_EQ(mixer.CreateClip(folder.Garbage("Music/bad.ogg"), ClipKind::Stream, &clip), AUDIO_BAD_FILE);
    EXPECT_EQ(mixer.CreateClip(folder.Path("Music"), ClipKind::Stream, &clip), AUDIO_FILE_NOT_FOUND);
}

// A frequency factor changes the length; a sound at half the output rate is
// resampled to twice its frames, mono on both sides.
TEST_F(MixerTest, FrequencyAndSourceRateSetHowLongASoundLasts)
{
    AudioClip* clip = Clip(folder.Constant("tone.wav", 4000, 0.5f));
    Channel fast = Play(clip);
    fast.SetFrequency(2.0f * 44100);
    EXPECT_EQ(SoundingFrames(8192), 2000);
    Channel slow = Play(clip);
    slow.SetFrequency(0.5f * 44100);
    EXPECT_EQ(SoundingFrames(16384), 8000);
    Play(Clip(folder.Write("low.wav", 1000, 22050, 1, [](int i, int) { return i % 2 ? 0.4f : 0.2f; })));
    const auto out = Pull(8);
    EXPECT_FLOAT_EQ(out[0], 0.2f);
    EXPECT_FLOAT_EQ(out[2], 0.3f);
    EXPECT_FLOAT_EQ(out[4], 0.4f);
    EXPECT_FLOAT_EQ(out[5], 0.4f);
    EXPECT_EQ(SoundingFrames(4096), 2000 - 8); // the last one halfway into silence
}

// With every channel taken a new sound gets none; an ended channel stays in its
// group until taken or stopped; a new sound takes a stopped channel before an
// ended one, which then leaves its old group (whose release leaves the new sound alone).
TEST_F(MixerTest, ChannelsAreSharedOutAndAnEndedOneLeavesItsGroupWhenTaken)
{
    ChannelGroup* old = Group("old");
    ChannelGroup* fresh = Group("fresh");
    AudioClip* blip = Clip(folder.Constant("blip.wav", 10, 0.01f));
    std::vector<Channel> channels;
    for (int i = 0; i < 36; ++i)
        channels.push_back(Play(blip, old));
    Channel extra;
    EXPECT_EQ(mixer.Play(blip, nullptr, &extra), AUDIO_NO_FREE_CHANNEL);
    EXPECT_FALSE(extra);
    EXPECT_EQ(extra.SetVolume(1.0f), AUDIO_INVALID_HANDLE);
    EXPECT_NEAR(Pull(1)[0], 0.36f, 1e-5f);
    Pull(100);
    EXPECT_EQ(ChannelCount(old), 36);
    Channel listed;
    ASSERT_EQ(old->GetChannel(0, &listed), AUDIO_OK);
    EXPECT_EQ(listed, channels[0]);
    EXPECT_FALSE(IsPlaying(listed));
    channels[5].Stop();
    AudioClip* tone = Clip(folder.Constant("long.wav", 44100, 0.5f));
    const Channel intoStopped = Play(tone, fresh);
    EXPECT_EQ(ChannelCount(old), 35);
    const Channel intoEnded = Play(tone, fresh);
    EXPECT_EQ(ChannelCount(old), 34);
    EXPECT_EQ(ChannelCount(fresh), 2);
    EXPECT_EQ(old->Stop(), AUDIO_OK);
    EXPECT_EQ(ChannelCount(old), 0);
    EXPECT_EQ(old->GetChannel(0, &listed), AUDIO_INVALID_PARAM);
    EXPECT_EQ(old->Release(), AUDIO_OK);
    EXPECT_TRUE(IsPlaying(intoStopped));
    EXPECT_TRUE(IsPlaying(intoEnded));
}

// Bad values and group cycles are refused, a stopped handle goes stale without
// touching the next play, and a stopped mixer refuses work.
TEST_F(MixerTest, BadValuesCyclesStaleHandlesAndAStoppedMixerAreRefused)
{
    ChannelGroup* top = Group("top");
    ChannelGroup* below = Group("below");
    top->AddGroup(below);
    EXPECT_EQ(below->AddGroup(top), AUDIO_INVALID_PARAM);
    EXPECT_EQ(top->AddGroup(top), AUDIO_INVALID_PARAM);
    EXPECT_EQ(top->SetVolume(-1.0f), AUDIO_INVALID_PARAM);
    EXPECT_EQ(top->SetVolume(NAN), AUDIO_INVALID_PARAM);
    Channel channel = Play(Clip(folder.Constant("tone.wav", 100, 0.5f)), below);
    EXPECT_EQ(channel.SetFrequency(0.0f), AUDIO_INVALID_PARAM);
    EXPECT_EQ(channel.SetFrequency(INFINITY), AUDIO_INVALID_PARAM);
    EXPECT_EQ(channel.SetVolume(-0.1f), AUDIO_INVALID_PARAM);
    channel.Stop();
    AudioClip* clip = Clip(folder.Constant("long.wav", 44100, 0.5f));
    Channel first = Play(clip);
    EXPECT_EQ(first.Stop(), AUDIO_OK);
    Channel second = Play(clip);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.SetVolume(0.0f), AUDIO_INVALID_HANDLE);
    EXPECT_EQ(first.Stop(), AUDIO_INVALID_HANDLE);
    EXPECT_FLOAT_EQ(Pull(1)[0], 0.5f);
    mixer.Stop();
    EXPECT_EQ(second.SetVolume(1.0f), AUDIO_INVALID_HANDLE);
    ChannelGroup* group = nullptr;
    EXPECT_EQ(mixer.CreateGroup("late", &group), AUDIO_NOT_STARTED);
    EXPECT_EQ(mixer.Play(clip, nullptr, &second), AUDIO_NOT_STARTED);
}

TEST_F(MixerTest, LoudSumBendsAboveTheKneeAndNeverPassesFullScale)
{
    AudioClip* loud = Clip(folder.Constant("loud.wav", 1000, 0.9f));
    AudioClip* half = Clip(folder.Constant("half.wav", 1000, -0.5f));
    Channel first = Play(loud);
    EXPECT_FLOAT_EQ(Pull(1)[0], 0.9f); // up to the knee nothing changes
    first.Stop();
    Play(half);
    Play(half);
    EXPECT_NEAR(Pull(1)[0], -(0.9f + 0.1f * std::tanh(1.0f)), 1e-6f);
    for (int i = 0; i < 30; ++i)
        Play(loud);
    for (float sample : Pull(100))
        EXPECT_LE(std::fabs(sample), 1.0f);
}

TEST_F(MixerTest, ReleasedClipPlaysOutUnlessItLoops)
{
    AudioClip* once = Clip(folder.Constant("once.wav", 2000, 0.25f));
    AudioClip* looped = Clip(folder.Constant("looped.wav", 200, 0.25f));
    Play(once);
    Channel looping = Play(looped);
    looping.SetLoop(true);
    EXPECT_EQ(mixer.ReleaseClip(looped), AUDIO_OK);
    EXPECT_EQ(mixer.ReleaseClip(once), AUDIO_OK);
    EXPECT_EQ(mixer.ReleaseClip(once), AUDIO_INVALID_HANDLE);
    EXPECT_FALSE(IsPlaying(looping));
    EXPECT_EQ(mixer.Play(once, nullptr, &looping), AUDIO_INVALID_PARAM);
    EXPECT_EQ(SoundingFrames(4096), 2000);
}

TEST(MixerDevice, ASoundEndsInRealTimeWithOrWithoutADriver)
{
    for (const auto& [driver, hasDevice] : {std::pair{"dummy", true}, std::pair{"no-such-driver", false}})
    {
        setenv("SDL_AUDIODRIVER", driver, 1);
        SoundFolder folder;
        Mixer mixer;
        ASSERT_EQ(mixer.Start(36, Mixer::Output::Device), AUDIO_OK);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        EXPECT_EQ(mixer.HasDevice(), hasDevice);
        AudioClip* clip = nullptr;
        ASSERT_EQ(mixer.CreateClip(folder.Constant("tone.wav", 2205, 0.5f), ClipKind::Loaded, &clip), AUDIO_OK);
        Channel channel;
        ASSERT_EQ(mixer.Play(clip, nullptr, &channel), AUDIO_OK);
        bool playing = true;
        for (int i = 0; i < 200 && playing; ++i)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            mixer.Update();
            channel.IsPlaying(&playing);
        }
        EXPECT_FALSE(playing) << driver;
    }
}
} // namespace
} // namespace Orvex::Testing
