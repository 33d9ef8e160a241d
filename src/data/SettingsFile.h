#pragma once
// A small file of the player's own (settings, best times): sections of key=value
// lines, read in the section flavour of the data format and written back whole.
//
// Its problems never stop the game. Each is reported in one log line that names
// the file: an unreadable or malformed file reads as empty, a value that does not
// fit gives the caller's default, and a failed save keeps the values for the run.

#include <map>
#include <string>

namespace Orvex
{
class SettingsFile
{
public:
    // Belongs to no file: reads nothing, and Save writes nothing.
    SettingsFile() = default;
    // Reads path; a missing file is an empty one. what names the file in the
    // texts of a failed save ("settings file").
    SettingsFile(std::string path, std::string what);

    const std::string& Path() const { return path; }
    bool Has(const std::string& section, const std::string& key) const;

    // Each gives fallback when the key is absent or empty; a value that cannot
    // be read as asked is reported first.
    int Int(const std::string& section, const std::string& key, int fallback) const;
    // A number from low to high; "nan" and "inf" are no numbers.
    float Float(const std::string& section, const std::string& key, float fallback, float low,
                float high) const;
    // "0…" and "false" are false, anything else true.
    bool Bool(const std::string& section, const std::string& key, bool fallback) const;

    void Set(const std::string& section, const std::string& key, const std::string& value);
    void SetInt(const std::string& section, const std::string& key, int value);
    // Written with the fewest digits that read back as the same float.
    void SetFloat(const std::string& section, const std::string& key, float value);
    void SetBool(const std::string& section, const std::string& key, bool value);
    // Forgets a whole section.
    void Clear(const std::string& section);

    // Writes every section (in name order, keys too), making the folder when it
    // is missing. Reports and returns false when that fails; true without a file.
    bool Save() const;

private:
    const std::string* Value(const std::string& section, const std::string& key) const;
    void ReportValue(const std::string& section, const std::string& key, const std::string& wanted)
        const;
    void Read();

    std::string path;
    std::string what;
    std::map<std::string, std::map<std::string, std::string>> sections;
};

// The shortest text of the value that reads back as the same float ("0.7",
// "61.2833328"), independent of the locale.
std::string ExactFloat(float value);
} // namespace Orvex
