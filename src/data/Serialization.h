#pragma once
// The serialisation output: one process-wide stream that every writer uses, and
// one indentation count (spaces before each key=value line; 0 when no writer runs).
//
// Writers build their text in memory through a SerialOutput scope and only then
// decide where it goes, so a failed or refused write never touches a file.

#include <ostream>
#include <sstream>
#include <string>

namespace Orvex
{
namespace Serial
{
// The stream writers append to. Outside a SerialOutput scope it discards.
std::ostream& Out();
// Spaces before each key=value line, 0 or more (a negative count writes none).
int Indentation();
void SetIndentation(int spaces);
// Appends text as it is.
void Write(const std::string& text);
// Appends Indentation() spaces, key, "=", value and a line feed.
void WriteLine(const std::string& key, const std::string& value);
} // namespace Serial

// Points the process-wide stream at an in-memory buffer for its lifetime and
// restores the previous stream and indentation when it ends (0 when no other
// writer runs).
class SerialOutput
{
public:
    SerialOutput();
    ~SerialOutput();
    SerialOutput(const SerialOutput&) = delete;
    SerialOutput& operator=(const SerialOutput&) = delete;

    std::string Text() const { return buffer.str(); }

private:
    std::ostringstream buffer;
    std::ostream* previous;
    int previousIndentation;
};
} // namespace Orvex
