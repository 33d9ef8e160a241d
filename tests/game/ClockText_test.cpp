#include <gtest/gtest.h>

#include "game/states/ClockText.h"

namespace Orvex
{
namespace
{
TEST(ClockText, LevelClockShowsWholeSecondsAndTheRunClockHundredthsRoundedIntoTheMinutes)
{
    const std::pair<float, const char*> level[] = {
        {0.0f, "0:00"}, {9.99f, "0:09"}, {65.5f, "1:05"}, {600.0f, "10:00"}};
    for (const auto& [seconds, text] : level)
        EXPECT_EQ(LevelClockText(seconds), text) << seconds;
    const std::pair<float, const char*> run[] = {
        {0.0f, "0:00.00"},          {5.5f, "0:05.50"},           {65.5f, "1:05.50"},
        {59.996f, "1:00.00"},       {119.999f, "2:00.00"},       {-3.0f, "0:00.00"},
        {599950.0f, "9999:10.00"}, {600000.0f, "9999:59.99"}, {1.0e12f, "9999:59.99"}};
    for (const auto& [seconds, text] : run)
        EXPECT_EQ(RunClockText(seconds), text) << seconds;
}

TEST(ClockText, SplitsAreSignedHundredthsAndAMinuteOrMoreReadsAsTheRunClock)
{
    const std::pair<long, const char*> splits[] = {
        {0, "0.00"},         {-52, "-0.52"},  {107, "+1.07"},
        {5999, "+59.99"},    {-6000, "-1:00.00"}, {6210, "+1:02.10"}};
    for (const auto& [hundredths, text] : splits)
        EXPECT_EQ(SplitText(hundredths), text) << hundredths;
    EXPECT_EQ(Hundredths(1.005f), 100); // 1.005f is a little under 1.005
    EXPECT_EQ(Hundredths(2.5f / 3.0f), 83);
}
} // namespace
} // namespace Orvex
