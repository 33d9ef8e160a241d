#pragma once
// The texts of the play states' clocks.

#include <string>

namespace Orvex
{
// Whole minutes and seconds of a level, "m:ss" ("1:05" at 65.5 s).
std::string LevelClockText(float seconds);
// Minutes and seconds to the hundredth, "m:ss.hh" ("1:05.50" at 65.5 s). Rounded
// to the nearest hundredth before it is split, so 59.996 s reads "1:00.00" and
// never "0:60.00".
std::string RunClockText(float seconds);
// A level's time against the time to beat, in whole hundredths (rounded):
// "-0.52" ahead, "+1.07" behind, "0.00" level; a minute or more as the run
// clock has it ("+1:02.10").
std::string SplitText(long hundredths);
// Seconds rounded to whole hundredths.
long Hundredths(float seconds);
} // namespace Orvex
