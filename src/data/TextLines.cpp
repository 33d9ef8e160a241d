#include "data/TextLines.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace Orvex
{
TextLines::TextLines(const std::string& text, const std::string& fileName)
    : in(text), fileName(fileName)
{
}

bool TextLines::Next(std::string& line)
{
    if (!std::getline(in, line))
        return false;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::string TextLines::Header(const std::string& expected)
{
    std::string line;
    if (!Next(line))
    {
        ++lineNumber;
        Fail("the file ends before " + expected);
    }
    return line;
}

void TextLines::Fail(const std::string& what) const
{
    throw fileName + ":" + std::to_string(lineNumber) + ": " + what;
}

std::string ReadTextFile(const std::string& path, const std::string& what)
{
    std::ifstream in;
    // A folder opens like a file on some systems and then reads as nothing.
    std::error_code error;
    if (!std::filesystem::is_directory(path, error))
        in.open(path, std::ios::binary);
    if (!in.is_open())
        throw "Could not open the " + what + ": " + path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string QuotedLine(const std::string& line)
{
    constexpr std::size_t shown = 40;
    return "\"" + (line.size() > shown ? line.substr(0, shown) + "..." : line) + "\"";
}

bool HasControl(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return true;
    return false;
}
} // namespace Orvex
