#include "game/states/ClockText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Orvex
{
namespace
{
// snprintf into a fixed 16-byte buffer; blanks of the padding become '0'.
template <class... Args> std::string Formatted(const char* format, Args... args)
{
    char buffer[16] = {};
    std::snprintf(buffer, sizeof buffer, format, args...);
    for (char& c : buffer)
        if (c == ' ')
            c = '0';
    return buffer;
}
} // namespace

std::string LevelClockText(float seconds)
{
    const int whole = static_cast<int>(seconds);
    return Formatted("%d:%02d", whole / 60, whole % 60);
}

long Hundredths(float seconds) { return std::lround(static_cast<double>(seconds) * 100.0); }

std::string SplitText(long hundredths)
{
    const long size = std::abs(hundredths);
    const std::string sign = hundredths < 0 ? "-" : hundredths > 0 ? "+" : "";
    if (size >= 6000)
        return sign + RunClockText(static_cast<float>(size) / 100.0f);
    return sign + Formatted("%ld.%02ld", size / 100, size % 100);
}

std::string RunClockText(float seconds)
{
    // Whole numbers in known ranges always fit the 16 bytes; the clock stops at
    // 9999:59.99, a week of play.
    constexpr long Last = 9999L * 6000 + 5999;
    const double clamped = std::clamp(static_cast<double>(seconds) * 100.0, 0.0, double(Last));
    const long hundredths = std::clamp(std::lround(clamped), 0L, Last);
    const long rest = hundredths % 6000;
    return Formatted("%ld:%02ld.%02ld", hundredths / 6000, rest / 100, rest % 100);
}
} // namespace Orvex
