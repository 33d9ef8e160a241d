#include "data/Deserializer.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>

#include "data/DataError.h"

namespace Orvex
{
namespace
{
void StripLeadingBlanks(std::string& line)
{
    line.erase(0, line.find_first_not_of(' '));
}

// The text being parsed, the name it goes by in error texts and the line reached.
struct Source
{
    std::istream& in;
    const std::string& path;
    int line = 1;     // of the next character
    int lastLine = 0; // of the line ReadLine gave last

    [[noreturn]] void Fail(const std::string& reason) const
    {
        throw FileError(path, "line " + std::to_string(lastLine) + ": " + reason);
    }

    // One line without its line feed. A carriage return counts only as part of
    // the line break, so it is dropped only when a line feed follows it.
    bool ReadLine(std::string& text)
    {
        if (!std::getline(in, text))
            return false;
        lastLine = line;
        const bool endedByLineFeed = !in.eof();
        if (endedByLineFeed)
            ++line;
        if (endedByLineFeed && !text.empty() && text.back() == '\r')
            text.pop_back();
        return true;
    }

    // The next word as operator>> reads it, counting the line feeds passed.
    bool ReadWord(std::string& word)
    {
        word.clear();
        std::istream::int_type c;
        while ((c = in.get()) != std::istream::traits_type::eof() && IsSpace(c))
            CountLine(c);
        for (; c != std::istream::traits_type::eof() && !IsSpace(c); c = in.get())
            word += static_cast<char>(c);
        CountLine(c); // the blank that ended the word has been taken too
        return !word.empty();
    }

    // Skips up to and including the next "{".
    void SkipPastBrace()
    {
        std::istream::int_type c;
        while ((c = in.get()) != std::istream::traits_type::eof() && c != '{')
            CountLine(c);
    }

    // Key before the first "=", value after it, both as they stand.
    void StoreKeyValue(const std::string& text, Deserializer& object) const
    {
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos)
        {
            if (text.find_first_not_of(' ') == std::string::npos)
                Fail("a line of blanks only");
            Fail(Text::Quoted(text) + " has no \"=\"");
        }
        object.SetValue(text.substr(0, equals), text.substr(equals + 1));
    }

private:
    static bool IsSpace(std::istream::int_type c) { return std::isspace(c) != 0; }
    void CountLine(std::istream::int_type c)
    {
        if (c == '\n')
            ++line;
    }
};

// The lines of one object, beginning with the discarded "{" line and ending with
// a "}" line or the end of the text.
Deserializer ParseBody(Source& source, int depth)
{
    if (depth > Deserializer::MaxDepth)
        source.Fail("objects nested more than " + std::to_string(Deserializer::MaxDepth) + " deep");
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
    while (source.ReadWord(word))
    {
        source.SkipPastBrace();
        word.pop_back(); // the ":" after the name; a word read is never empty
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
            source.Fail(Text::Quoted(line) + " is not a section header such as [Name]");
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
        throw FileError(path, "the file could not be read to its end");
}

// Reads consecutive components as a stream does; see GetVec2.
template <typename Vector>
void ReadFloats(const std::string& text, Vector& target, const char* expected)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    Vector read = target;
    for (int i = 0; i < Vector::length(); ++i)
    {
        if (i > 0)
        {
            in.ignore(1);
            if ((in >> std::ws).eof())
                break;
        }
        if (!(in >> read[i]))
            throw ValueError(Text::Quoted(text) + " is not " + expected);
    }
    target = read;
}

// Runs a standard conversion, naming the text in its failures.
template <typename Convert>
auto Converted(const std::string& text, const char* expected, Convert convert)
{
    try
    {
        return convert();
    }
    catch (const std::invalid_argument&)
    {
        throw ValueError(Text::Quoted(text) + " is not " + expected);
    }
    catch (const std::out_of_range&)
    {
        throw ValueError(Text::Quoted(text) + " is out of range for " + expected);
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
        ReadFloats(values.at(key), target, "two numbers");
}

void Deserializer::GetVec4(const std::string& key, tvec4& target) const
{
    if (HasKey(key))
        ReadFloats(values.at(key), target, "four numbers");
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

float ParseFloat(const std::string& text)
{
    return Converted(text, "a number", [&] { return std::stof(text); });
}

int ParseInt(const std::string& text)
{
    return Converted(text, "a whole number", [&] { return std::stoi(text); });
}

unsigned ParseUnsigned(const std::string& text)
{
    const char* expected = "a whole number of 0 or more";
    // stoul would take "-1" as the largest value rather than refuse it.
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    if (first != std::string::npos && text[first] == '-')
        throw ValueError(Quoted(text) + " is not " + expected);
    return Converted(text, expected, [&] {
        const unsigned long read = std::stoul(text);
        if (read > std::numeric_limits<unsigned>::max())
            throw std::out_of_range("stoul");
        return static_cast<unsigned>(read);
    });
}

std::string Quoted(const std::string& text)
{
    constexpr std::size_t shown = 60;
    if (text.size() <= shown)
        return "'" + text + "'";
    return "'" + text.substr(0, shown) + "...'";
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
