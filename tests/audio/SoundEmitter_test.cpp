#include <gtest/gtest.h>

#include "SoundStates.h"
#include "audio/SoundEmitter.h"

namespace Orvex::Testing
{
namespace
{
class SoundEmitterTest : public SoundStateTest
{
protected:
    SoundEmitter* Emitter(const std::string& sound, bool playOnInit)
    {
        state = Start("play");
        Entity* entity = Add(*state, "speaker");
        SoundEmitter* emitter = entity->Add<SoundEmitter>();
        emitter->sound.SetName(sound);
        emitter->playOnInit = playOnInit;
        emitter->volume = 0.5f;
        entity->InitComponents();
        return emitter;
    }

    TraceState* state = nullptr;
};

TEST_F(SoundEmitterTest, PlayOnInitStartsItInTheStatesGroupWithItsSettings)
{
    Sound("Hum", 100, 0.4f);
    SoundEmitter* emitter = Emitter("Hum", true);
    ASSERT_TRUE(emitter->channel);
    EXPECT_FLOAT_EQ(Volume(emitter->channel), 0.5f);
    EXPECT_EQ(Playing(state->SoundGroups().effects), 1);
    EXPECT_FLOAT_EQ(Pull(1)[0], 0.4f * 0.5f * 0.5f); // the effects master is at a half
}

TEST_F(SoundEmitterTest, WithoutPlayOnInitOrASoundNothingStarts)
{
    Sound("Hum", 100);
    EXPECT_FALSE(Emitter("Hum", false)->channel);
    SoundEmitter* empty = Emitter("", true);
    EXPECT_FALSE(empty->channel);
    empty->Silence(); // no channel: nothing happens
}

TEST_F(SoundEmitterTest, SilenceStopsAndForgetsTheChannel)
{
    Sound("Hum", 44100);
    SoundEmitter* emitter = Emitter("Hum", true);
    const Channel old = emitter->channel;
    emitter->Silence();
    EXPECT_FALSE(emitter->channel);
    bool playing = true;
    old.IsPlaying(&playing);
    EXPECT_FALSE(playing);
    EXPECT_EQ(Pull(1)[0], 0.0f);
}

TEST_F(SoundEmitterTest, AnEffectPlaysOnAfterItsEntityIsGone)
{
    Sound("Hum", 44100);
    SoundEmitter* emitter = Emitter("Hum", true);
    const Channel channel = emitter->channel;
    state->RemoveEntity(emitter->owner->id);
    engine->RunFrame();
    bool playing = false;
    channel.IsPlaying(&playing);
    EXPECT_TRUE(playing);
}
} // namespace
} // namespace Orvex::Testing
