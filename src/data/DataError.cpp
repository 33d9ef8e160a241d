#include "data/DataError.h"

namespace Orvex
{
std::string FileError(const std::string& path, const std::string& detail)
{
    return "Error in a file: " + path + ": " + detail;
}

DataPlace DataPlace::Within(const std::string& inner) const
{
    return {path, object.empty() ? inner : object + ", " + inner};
}

void DataPlace::Fail(const std::string& key, const std::string& reason) const
{
    const std::string detail = KeyOf(key) + ": " + reason;
    throw path.empty() ? detail : FileError(path, detail);
}

std::string DataPlace::KeyOf(const std::string& key) const
{
    return (object.empty() ? "" : object + ", ") + "key " + key;
}

std::string DataPlace::Where(const std::string& key) const
{
    return "read for " + (path.empty() ? "" : path + ": ") + KeyOf(key);
}
} // namespace Orvex
