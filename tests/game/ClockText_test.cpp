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
} // namespace
} // namespace Orvex
