#include <gtest/gtest.h>

#include "game/states/ClockText.h"

namespace Orvex
{
namespace
{
TEST(LevelClockText, WholeMinutesAndZeroPaddedSeconds)
{
    EXPECT_EQ(LevelClockText(0.0f), "0:00");
    EXPECT_EQ(LevelClockText(9.99f), "0:09");
    EXPECT_EQ(LevelClockText(65.5f), "1:05");
    EXPECT_EQ(LevelClockText(600.0f), "10:00");
}

TEST(RunClockText, HundredthsWithZeroPaddedSeconds)
{
    EXPECT_EQ(RunClockText(0.0f), "0:00.00");
    EXPECT_EQ(RunClockText(5.5f), "0:05.50");
    EXPECT_EQ(RunClockText(65.5f), "1:05.50");
}

TEST(RunClockText, RoundingUpToTheMinuteCarriesIntoTheMinutes)
{
    EXPECT_EQ(RunClockText(59.996f), "1:00.00");
    EXPECT_EQ(RunClockText(119.999f), "2:00.00");
}
TEST(RunClockText, NegativeTimesShowZeroAndTheClockStopsAtItsLastMinute)
{
    EXPECT_EQ(RunClockText(-3.0f), "0:00.00");
    EXPECT_EQ(RunClockText(599950.0f), "9999:10.00");
    EXPECT_EQ(RunClockText(600000.0f), "9999:59.99");
    EXPECT_EQ(RunClockText(1.0e12f), "9999:59.99");
}
} // namespace
} // namespace Orvex
