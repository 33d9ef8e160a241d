#include <gtest/gtest.h>

#include <cmath>

#include "SoundStates.h"
#include "audio/IdleSound.h"
#include "engine/Random.h"

namespace Orvex::Testing
{
namespace
{
class IdleSoundTest : public SoundStateTest
{
protected:
    void SetUp() override
    {
        SoundStateTest::SetUp();
        state = Start("play");
        idle = Add(*state, "planks")->Add<IdleSound>();
        const char* names[] = {"Creak1", "Creak2", "Creak3", "Creak4"};
        for (int k = 1; k <= 4; ++k)
        {
            Sound(names[k - 1], 44100, 0.1f * static_cast<float>(k));
            idle->Effect(k).SetName(names[k - 1]);
        }
        idle->volume = 1.0f;
        idle->timeBetweenPlays = 2.0f;
        Random::Seed(3);
    }
    // Which effect (1 … 4) the last play was, 0 for none; judged by its level.
    int Heard()
    {
        const float level = Pull(1)[0] / 0.5f; // the effects master is at a half
        state->SoundGroups().effects->Stop();
        return static_cast<int>(std::lround(level / 0.1f));
    }

    TraceState* state = nullptr;
    IdleSound* idle = nullptr;
};

TEST_F(IdleSoundTest, OneEffectPlaysEveryIntervalAndNothingBetween)
{
    for (int play = 0; play < 3; ++play)
    {
        idle->Update(1.5f);
        EXPECT_EQ(Heard(), 0);
        idle->Update(0.5f);
        EXPECT_EQ(Heard(), 1);
    }
}

TEST_F(IdleSoundTest, SeveralEffectsNeverRepeatAndAllCome)
{
    for (const int count : {2, 4})
    {
        idle->numberOfEffects = count;
        int last = 0;
        int seen[5] = {};
        for (int play = 0; play < 100; ++play)
        {
            idle->Update(2.0f);
            const int heard = Heard();
            ASSERT_TRUE(heard >= 1 && heard <= count) << heard;
            EXPECT_NE(heard, last);
            ++seen[heard];
            last = heard;
        }
        for (int k = 1; k <= count; ++k)
            EXPECT_GT(seen[k], 10) << k << " of " << count;
    }
}
} // namespace
} // namespace Orvex::Testing
