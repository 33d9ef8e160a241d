#include "game/states/ClockText.h"

#include <cmath>
#include <cstdio>

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

std::string RunClockText(float seconds)
{
    const long hundredths = std::lround(static_cast<double>(seconds) * 100.0);
    return Formatted("%ld:%5.2f", hundredths / 6000, static_cast<double>(hundredths % 6000) / 100.0);
}
} // namespace Orvex
