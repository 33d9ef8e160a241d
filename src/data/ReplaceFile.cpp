#include "data/ReplaceFile.h"

#include <cstdio>

#include <unistd.h>

namespace Orvex
{
namespace
{
// The whole text on the disk, not only in the system's buffers: a crash right
// after the rename must not leave an empty file in the old one's place.
bool WriteDurably(const std::string& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    written = fsync(fileno(file)) == 0 && written;
    return std::fclose(file) == 0 && written;
}
} // namespace

void ReplaceFile(const std::string& path, const std::string& text, const std::string& what)
{
    const std::string temporary = path + ".saving";
    if (!WriteDurably(temporary, text))
    {
        std::remove(temporary.c_str());
        throw "Could not write the " + what + ": " + path;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        throw "Could not replace the " + what + ": " + path;
    }
}
} // namespace Orvex
