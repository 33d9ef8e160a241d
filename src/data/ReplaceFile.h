#pragma once
// Replaces a file's contents so that readers see the old file or the new one,
// never a half-written one: the text goes to a file beside the target, reaches
// the disk, and is then renamed over the target.

#include <string>

namespace Orvex
{
// Throws "Could not write the " + what + ": " + path when the text cannot be
// written beside it, and "Could not replace the " + what + ": " + path when the
// rename fails, each followed by " (" + the system's reason + ")" when it gave one.
// Either way the old file is untouched and nothing is left beside it.
void ReplaceFile(const std::string& path, const std::string& text, const std::string& what);
} // namespace Orvex
