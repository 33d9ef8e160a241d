#include "data/Deserializer.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>

namespace Orvex
{
namespace
{
// The text being parsed and the name it goes by in error texts.
struct Source
{
    std::istream& in;
    const std::string& path;

    [[noreturn]] void Fail() const { throw "Error in a file: " + path; }

    // One line without its line feed. A carriage return counts only as part of
    // the line break, so it is dropped only when a line feed follows it.
    bool ReadLine(std::string& line)
    {
        if (!std::getline(in, line))
            return false;
        const bool endedByLineFeed = !in.eof();
        if (endedByLineFeed && !line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }

    // Key before the first "=", value after it, both as they stand.
    void StoreKeyValue(const std::string& line, Deserializer& object) const
    {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            Fail();
        object.SetValue(line.substr(0, equals), line.substr(equals + 1));
    }
};

void StripLeadingBlanks(std::string& line)
{
    line.erase(0, line.find_first_not_of(' '));
}

// The lines of one object, beginning with the discarded "{" line and ending with
// a "}" line or the end of the text.
Deserializer ParseBody(Source& source, int depth)
{
    if (depth > Deserializer::MaxDepth)
        source.Fail();
    Deserializer object;
    std::string line;
    source.ReadLine(line);
    while (source.ReadLine(line))
    {
        if (line.empty())
            continue;
        StripLeadingBlanks(line);
        if (!line.empty() && line.front() == '}')
            break;
        if (!line.empty() && line.back() == ':')
        {
            line.pop_back();
            Deserializer child = ParseBody(source, depth + 1);
            object.AddChild(line) = std::move(child);
        }
        else
            source.StoreKeyValue(line, object);
    }
    return object;
}

void ParseObjectFile(Source& source, Deserializer& file)
{
    std::string word;
    while (source.in >> word)
    {
        source.in.ignore(std::numeric_limits<std::streamsize>::max(), '{');
        word.pop_back(); // the ":" after the name; a word read by >> is never empty
        Deserializer child = ParseBody(source, 1);
        file.AddChild(word) = std::move(child);
    }
}

// Reads the key=value lines after a header. Returns true when it stopped at the
// next header, which is then left in line.
bool ParseSection(Source& source, Deserializer& section, std::string& line)
{
    while (source.ReadLine(line))
    {
        if (line.empty())
            continue;
        if (line.front() == '[')
            return true;
        source.StoreKeyValue(line, section);
    }
    return false;
}

void ParseSectionFile(Source& source, Deserializer& file)
{
    std::string line;
    bool haveHeader = source.ReadLine(line);
    while (haveHeader)
    {
        if (line.size() < 2)
            source.Fail();
        const std::string name = line.substr(1, line.size() - 2);
        Deserializer section;
        haveHeader = ParseSection(source, section, line);
        file.AddChild(name) = std::move(section);
    }
}

void Parse(std::istream& in, const std::string& path, Deserializer::Flavour flavour,
           Deserializer& file)
{
    Source source{in, path};
    switch (flavour)
    {
    case Deserializer::ObjectFile:
        ParseObjectFile(source, file);
        break;
    case Deserializer::SectionFile:
        ParseSectionFile(source, file);
        break;
    default:
        throw "Unknown data file flavour " + std::to_string(static_cast<int>(flavour)) +
            " for: " + path;
    }
    // A read error is not the end of the file: what was read may be cut short.
    if (in.bad())
        source.Fail();
}

// Reads consecutive components as a stream does; see GetVec2.
template <typename Vector>
void ReadFloats(const std::string& text, Vector& target)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    for (int i = 0; i < Vector::length(); ++i)
    {
        if (i > 0)
            in.ignore(1);
        float component = 0.0f;
        if (!(in >> component))
            return;
        target[i] = component;
    }
}

template <typename Vector>
std::string FormatFloats(const Vector& value)
{
    std::string text = Text::FormatFloat(value[0]);
    for (int i = 1; i < Vector::length(); ++i)
        text += "," + Text::FormatFloat(value[i]);
    return text;
}
} // namespace

Deserializer::Deserializer(const std::string& path, Flavour flavour)
{
    std::ifstream in;
    // A folder opens like a file on some systems and then reads as nothing.
    std::error_code error;
    if (!std::filesystem::is_directory(path, error))
        in.open(path);
    if (!in.is_open())
        throw "Could not find file: " + path;
    Parse(in, path, flavour, *this);
}

Deserializer::Deserializer(std::istream& in, const std::string& path, Flavour flavour)
{
    Parse(in, path, flavour, *this);
}

bool Deserializer::HasKey(const std::string& key) const
{
    const auto found = values.find(key);
    return found != values.end() && !found->second.empty();
}

const std::string& Deserializer::GetString(const std::string& key) const
{
    static const std::string empty;
    return HasKey(key) ? values.at(key) : empty;
}

void Deserializer::GetBool(const std::string& key, bool& target) const
{
    if (HasKey(key))
        target = Text::ParseBool(values.at(key));
}

void Deserializer::GetVec2(const std::string& key, tvec2& target) const
{
    if (HasKey(key))
        ReadFloats(values.at(key), target);
}

void Deserializer::GetVec4(const std::string& key, tvec4& target) const
{
    if (HasKey(key))
        ReadFloats(values.at(key), target);
}

bool Deserializer::HasChild(const std::string& name) const
{
    return children.count(name) != 0;
}

const Deserializer& Deserializer::GetChild(const std::string& name) const
{
    const auto found = children.find(name);
    if (found == children.end())
        throw name + " not found in deserializer.";
    return found->second;
}

namespace Text
{
bool ParseBool(const std::string& text)
{
    const bool startsWithZero = !text.empty() && text.front() == '0';
    return !(startsWithZero || text == "false");
}

std::string FormatFloat(float value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

std::string FormatVec2(const tvec2& value)
{
    return FormatFloats(value);
}

std::string FormatVec4(const tvec4& value)
{
    return FormatFloats(value);
}
} // namespace Text
} // namespace Orvex
