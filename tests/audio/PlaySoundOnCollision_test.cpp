#include <gtest/gtest.h>

#include "SoundStates.h"
#include "audio/PlaySoundOnCollision.h"
#include "audio/SoundEmitter.h"

namespace Orvex::Testing
{
namespace
{
class PlaySoundOnCollisionTest : public SoundStateTest
{
protected:
    void SetUp() override
    {
        SoundStateTest::SetUp();
        Sound("Knock", 44100);
        state = Start("play");
        entity = Add(*state, "crate");
        emitter = entity->Add<SoundEmitter>();
        emitter->sound.SetName("Knock");
        entity->Add<PlaySoundOnCollision>();
        entity->InitComponents();
    }
    void Touch(bool ghost) { SoundStateTest::Touch(entity, nullptr, ghost); }

    TraceState* state = nullptr;
    Entity* entity = nullptr;
    SoundEmitter* emitter = nullptr;
};

TEST_F(PlaySoundOnCollisionTest, FirstContactEvenAGhostOnePlaysItAndNoLaterOne)
{
    Touch(true);
    ASSERT_TRUE(emitter->channel);
    const Channel first = emitter->channel;
    Touch(false);
    EXPECT_EQ(emitter->channel, first);
    EXPECT_EQ(Playing(state->SoundGroups().effects), 1);
}

} // namespace
} // namespace Orvex::Testing
