#include "data/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    // Stops at the first failure, whose reason is the one to report: a later call
    // on the failed file gives its own (fsync on a full device says "Invalid argument").
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const int reason = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written)
        errno = reason;
    return written && closed;
}

// " (" + the system's reason + ")" for the failure that just happened, when it gave one.
std::string SystemReason()
{
    const int error = errno;
    return error ? " (" + std::string(std::strerror(error)) + ")" : "";
}
} // namespace

void ReplaceFile(const std::string& path, const std::string& text, const std::string& what)
{
    const std::string temporary = path + ".saving";
    errno = 0;
    if (!WriteDurably(temporary, text))
    {
        const std::string reason = SystemReason();
        std::remove(temporary.c_str());
        throw "Could not write the " + what + ": " + path + reason;
    }
    errno = 0;
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        const std::string reason = SystemReason();
        std::remove(temporary.c_str());
        throw "Could not replace the " + what + ": " + path + reason;
    }
}
} // namespace Orvex
