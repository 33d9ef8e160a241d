#pragma once
// Reading a small line-based text file of ours (recorded runs, ghosts): lines
// counted for the error texts, which are thrown as "<fileName>:<line>: <what>".

#include <sstream>
#include <string>

namespace Orvex
{
class TextLines
{
public:
    // fileName must outlive the reader.
    TextLines(const std::string& text, const std::string& fileName);

    // The next line without its line end ("\n" or "\r\n"); false at the end.
    bool Next(std::string& line);
    // The next line, which must be there: at the end, fails naming what was expected.
    std::string Header(const std::string& expected);
    [[noreturn]] void Fail(const std::string& what) const;

private:
    std::istringstream in;
    const std::string& fileName;
    int lineNumber = 0;
};

// The whole file; throws "Could not open the " + what + ": " + path when it
// cannot be read.
std::string ReadTextFile(const std::string& path, const std::string& what);
// A line as an error text shows it: long or binary junk is cut short.
std::string QuotedLine(const std::string& line);
// Whether the text holds a control character (a level or texture name must not).
bool HasControl(const std::string& text);
} // namespace Orvex
