#pragma once
// The texts of the play states' two clocks.

#include <string>

namespace Orvex
{
// Whole minutes and seconds of a level, "m:ss" ("1:05" at 65.5 s).
std::string LevelClockText(float seconds);
// Minutes and seconds to the hundredth, "m:ss.hh" ("1:05.50" at 65.5 s). Rounded
// to the nearest hundredth before it is split, so 59.996 s reads "1:00.00" and
// never "0:60.00".
std::string RunClockText(float seconds);
} // namespace Orvex
