#include <gtest/gtest.h>

#include "SoundStates.h"
#include "audio/LocationalSound.h"
#include "audio/SoundEmitter.h"
#include "physics/Transform.h"

namespace Orvex::Testing
{
namespace
{
class LocationalSoundTest : public SoundStateTest
{
protected:
    void SetUp() override
    {
        SoundStateTest::SetUp();
        Sound("Hum", 44100);
        state = Start("play");
        Add(*state, "Player")->Add<Transform>();
        Entity* ghost = Add(*state, "ghost");
        place = ghost->Add<Transform>();
        SoundEmitter* emitter = ghost->Add<SoundEmitter>();
        emitter->sound.SetName("Hum");
        emitter->playOnInit = true;
        located = ghost->Add<LocationalSound>();
        located->listenerName = "Player";
        located->hearingRange = 10.0f;
        ghost->InitComponents();
        channel = emitter->channel;
    }
    float VolumeAtDistance(float x)
    {
        place->position = tvec2(0.0f, x);
        located->Update(0.016f);
        return Volume(channel);
    }

    TraceState* state = nullptr;
    Transform* place = nullptr;
    LocationalSound* located = nullptr;
    Channel channel;
};

TEST_F(LocationalSoundTest, VolumeFallsWithTheSquareOfTheDistance)
{
    EXPECT_FLOAT_EQ(VolumeAtDistance(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(VolumeAtDistance(5.0f), 0.75f);
    EXPECT_FLOAT_EQ(VolumeAtDistance(-5.0f), 0.75f);
    EXPECT_FLOAT_EQ(VolumeAtDistance(10.0f), 0.0f);
    EXPECT_FLOAT_EQ(VolumeAtDistance(25.0f), 0.0f);
    located->maxVolume = 0.4f;
    EXPECT_FLOAT_EQ(VolumeAtDistance(5.0f), 0.3f);
}

TEST_F(LocationalSoundTest, NoListenerOfThatNameLeavesTheVolume)
{
    VolumeAtDistance(5.0f);
    located->listenerName = "Nobody";
    EXPECT_FLOAT_EQ(VolumeAtDistance(0.0f), 0.75f);
}

TEST_F(LocationalSoundTest, ZeroRangeHearsOnlyAtTheListenersPoint)
{
    located->hearingRange = 0.0f;
    EXPECT_FLOAT_EQ(VolumeAtDistance(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(VolumeAtDistance(0.001f), 0.0f);
}
} // namespace
} // namespace Orvex::Testing
