#include "data/Deserializer.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

enum class EntryKind
{
    File,
    Folder,
    Other,
};

// Links to folders count as Other: following them could loop forever.
EntryKind KindOf(const fs::directory_entry& entry)
{
    std::error_code error;
    if (entry.is_directory(error) && !entry.is_symlink(error))
        return EntryKind::Folder;
    return entry.is_regular_file(error) ? EntryKind::File : EntryKind::Other;
}

// Appends the files below folder (ending in "/") to names, each with prefix (the
// path from the listed folder down to this one) in front.
void ListInto(const std::string& folder, const std::string& prefix,
              std::vector<std::string>& names)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
    {
        const std::string name = entry->path().filename().string();
        const EntryKind kind = KindOf(*entry);
        if (kind == EntryKind::File)
            names.push_back(prefix + name);
        else if (kind == EntryKind::Folder && name.front() != '.')
            ListInto(folder + name + "/", prefix + name + "/", names);
    }
    if (error)
        throw "Couldn't find directory: " + folder;
}
} // namespace

std::vector<std::string> ListFolder(std::string path)
{
    if (path.empty())
        path = ".";
    if (path.back() != '/')
        path += '/';
    std::vector<std::string> names;
    ListInto(path, "", names);
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace Orvex
