#include "data/SettingsFile.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>

#include "data/Deserializer.h"
#include "data/ReplaceFile.h"
#include "engine/Log.h"

namespace Orvex
{
namespace
{
bool ReadWhole(const std::string& text, float& value)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    return (in >> value) && (in >> std::ws).eof() && std::isfinite(value);
}

bool ReadWhole(const std::string& text, int& value)
{
    std::size_t used = 0;
    try
    {
        value = std::stoi(text, &used, 10);
    }
    catch (const std::exception&)
    {
        return false;
    }
    return used == text.size();
}
} // namespace

std::string ExactFloat(float value)
{
    std::string text;
    for (int digits = 6; digits <= 9; ++digits)
    {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(digits);
        out << value;
        text = out.str();
        float back = 0.0f;
        if (ReadWhole(text, back) && back == value)
            break;
    }
    return text;
}

SettingsFile::SettingsFile(std::string path, std::string what)
    : path(std::move(path)), what(std::move(what))
{
    Read();
}

void SettingsFile::Read()
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    std::ifstream in;
    // A folder opens like a file and then reads as nothing.
    if (!std::filesystem::is_directory(path, error))
        in.open(path);
    if (!in.is_open())
    {
        const char* reason = std::filesystem::is_directory(path, error) ? std::strerror(EISDIR)
                                                                         : std::strerror(errno);
        Log(path + ": cannot be read (" + reason + "); the defaults are used.");
        return;
    }
    try
    {
        const Deserializer file(in, path, Deserializer::SectionFile);
        for (const auto& [name, section] : file.Children())
            for (const auto& [key, value] : section.Values())
                sections[name][key] = value;
    }
    catch (const std::string& problem)
    {
        sections.clear();
        Log(path + ": malformed (" + problem + "); the defaults are used.");
    }
}

const std::string* SettingsFile::Value(const std::string& section, const std::string& key) const
{
    const auto found = sections.find(section);
    if (found == sections.end())
        return nullptr;
    const auto value = found->second.find(key);
    if (value == found->second.end() || value->second.empty())
        return nullptr;
    return &value->second;
}

bool SettingsFile::Has(const std::string& section, const std::string& key) const
{
    return Value(section, key) != nullptr;
}

void SettingsFile::ReportValue(const std::string& section, const std::string& key,
                               const std::string& wanted) const
{
    Log(path + ": \"" + key + "\" under [" + section + "] is not " + wanted + " (\"" +
        *Value(section, key) + "\"); the default is used.");
}

int SettingsFile::Int(const std::string& section, const std::string& key, int fallback) const
{
    const std::string* text = Value(section, key);
    int value = 0;
    if (!text)
        return fallback;
    if (ReadWhole(*text, value))
        return value;
    ReportValue(section, key, "a whole number");
    return fallback;
}

float SettingsFile::Float(const std::string& section, const std::string& key, float fallback,
                          float low, float high) const
{
    const std::string* text = Value(section, key);
    float value = 0.0f;
    if (!text)
        return fallback;
    if (ReadWhole(*text, value) && value >= low && value <= high)
        return value;
    ReportValue(section, key,
                "a number from " + ExactFloat(low) + " to " + ExactFloat(high));
    return fallback;
}

bool SettingsFile::Bool(const std::string& section, const std::string& key, bool fallback) const
{
    const std::string* text = Value(section, key);
    return text ? Text::ParseBool(*text) : fallback;
}

void SettingsFile::Set(const std::string& section, const std::string& key, const std::string& value)
{
    sections[section][key] = value;
}

void SettingsFile::SetInt(const std::string& section, const std::string& key, int value)
{
    Set(section, key, std::to_string(value));
}

void SettingsFile::SetFloat(const std::string& section, const std::string& key, float value)
{
    Set(section, key, ExactFloat(value));
}

void SettingsFile::SetBool(const std::string& section, const std::string& key, bool value)
{
    Set(section, key, value ? "1" : "0");
}

void SettingsFile::Clear(const std::string& section) { sections.erase(section); }

bool SettingsFile::Save() const
{
    if (path.empty())
        return true;
    std::string text;
    for (const auto& [name, keys] : sections)
    {
        text += "[" + name + "]\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\n";
    }
    try
    {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (!folder.empty())
            std::filesystem::create_directories(folder, error);
        ReplaceFile(path, text, what);
        return true;
    }
    catch (const std::string& problem)
    {
        Log(problem + "; the change lasts until the game ends.");
        return false;
    }
}
} // namespace Orvex
