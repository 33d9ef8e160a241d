#include "engine/Log.h"

#include <chrono>
#include <cstdio>

namespace Orvex
{
namespace
{
const auto programStart = std::chrono::steady_clock::now();
}

std::string Timestamp(double secondsSinceStart)
{
    const int total = static_cast<int>(secondsSinceStart);
    const int hours = total / 3600;
    const int minutes = (total / 60) % 60;
    const double seconds = secondsSinceStart - (total / 60) * 60.0;
    char buffer[32] = {};
    if (hours > 0)
        std::snprintf(buffer, sizeof buffer, "%d:%2d:%5.2f", hours, minutes, seconds);
    else
        std::snprintf(buffer, sizeof buffer, "%2d:%5.2f", minutes, seconds);
    for (char& c : buffer)
        if (c == ' ')
            c = '0';
    return buffer;
}

std::string Timestamp()
{
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - programStart;
    return Timestamp(elapsed.count());
}

void Log(const std::string& text)
{
    std::fprintf(stderr, "[%s] %s\n", Timestamp().c_str(), text.c_str());
}

void LogError(const std::string& text)
{
    std::fprintf(stdout, "ERROR: %s\n", text.c_str());
    std::fflush(stdout);
}
} // namespace Orvex
