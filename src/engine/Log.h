#pragma once
// Time-stamped log lines on standard error: "[mm:ss.ss] text" (or "[h:mm:ss.ss]"
// after the first hour), the stamp counted from program start.

#include <string>

namespace Orvex
{
// Seconds since program start formatted as "%2d:%5.2f" (or "%d:%2d:%5.2f" from one
// hour on) with every blank turned into '0'.
std::string Timestamp(double secondsSinceStart);
std::string Timestamp();
void Log(const std::string& text);
// "ERROR: " + text on standard output: an error that was caught and survived
// (a skipped level component, a skipped collision pair).
void LogError(const std::string& text);
} // namespace Orvex
