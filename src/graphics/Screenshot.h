#pragma once
// Writes what the frame being drawn holds so far (the back buffer) to a PNG file.

#include <string>

namespace Orvex
{
// Throws "Could not write the screenshot " + path + ": " + reason on failure.
void SaveScreenshot(const std::string& path);
} // namespace Orvex
