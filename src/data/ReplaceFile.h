#pragma once
// Writing a whole file so that a failure never leaves it half-replaced.

#include <string>

namespace Orvex
{
// Writes text beside path, then renames it over path. On failure the old file is
// left as it was and "Could not write the " + what + ": " + path (or "Could not
// replace the ...") is thrown.
void ReplaceFile(const std::string& path, const std::string& text, const std::string& what);
} // namespace Orvex
