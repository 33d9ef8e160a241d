#pragma once
// One parsed object of the text data format, and the parser of its two flavours.
//
// Object files (levels, archetypes, meshes):       Section files (configuration):
//   Name:                                            [Section]
//   {                                                key=value
//     key=value                                      key=value
//     Child:                                         [Other]
//     {                                              key=value
//       key=value
//     }
//   }
//
// Keys and values are kept as text; typed reading belongs to the reflection
// records. Errors are thrown as std::string with the texts below.
//
// The grammar is deliberately literal and line-based rather than a tolerant
// tokenizer: files written by the level editor must read back exactly, so blanks
// around "=" stay part of key and value, only leading blanks (not tabs) are
// stripped, a line ending in ":" always opens a nested object whose next line is
// discarded, and a line of blanks inside an object is an error. A carriage return
// just before a line feed is dropped so that files with either line ending read
// alike. Nesting deeper than MaxDepth objects is refused as an error: no file of
// ours comes near it, and unbounded nesting would exhaust the stack.

#include <istream>
#include <vector>
#include <string>
#include <unordered_map>

#include "engine/Math.h"

namespace Orvex
{
class Deserializer
{
public:
    enum Flavour
    {
        ObjectFile = 0,
        SectionFile = 1,
    };

    // Most objects nested inside each other (a file's top-level object counts 1).
    static constexpr int MaxDepth = 64;

    Deserializer() = default;
    // Parses the file at path. Throws "Could not find file: " + path when it cannot
    // be opened and "Error in a file: " + path on a malformed line.
    Deserializer(const std::string& path, Flavour flavour);
    // Parses text from a stream; path is only used in error texts.
    Deserializer(std::istream& in, const std::string& path, Flavour flavour);

    // True only when the key is present with a non-empty value.
    bool HasKey(const std::string& key) const;
    // The value when HasKey holds, otherwise an empty string.
    const std::string& GetString(const std::string& key) const;
    // Each leaves the target unchanged when HasKey does not hold.
    void GetBool(const std::string& key, bool& target) const;
    // Reads "float, skip exactly one character, float, ..." as a stream does, so
    // "3 4" gives (3, 4). A value that ends early ("7,8" for four) leaves the
    // components after it as they were; a component that is there but does not
    // read as a float ("0,zero", "3,,4", "1,1e50") throws ValueError and leaves
    // the whole target as it was.
    void GetVec2(const std::string& key, tvec2& target) const;
    void GetVec4(const std::string& key, tvec4& target) const;

    bool HasChild(const std::string& name) const;
    // Throws name + " not found in deserializer." when absent.
    const Deserializer& GetChild(const std::string& name) const;

    // Iteration order of both tables is unspecified.
    const std::unordered_map<std::string, std::string>& Values() const { return values; }
    const std::unordered_map<std::string, Deserializer>& Children() const { return children; }

    // Building by hand (tests, the level editor).
    void SetValue(const std::string& key, const std::string& value) { values[key] = value; }
    Deserializer& AddChild(const std::string& name) { return children[name]; }

private:
    std::unordered_map<std::string, std::string> values;
    std::unordered_map<std::string, Deserializer> children;
};

// The text rules shared by Deserializer and the reflection records.
namespace Text
{
// False when the text begins with '0' or equals "false"; true otherwise (also
// for an empty text, which callers rule out with HasKey).
bool ParseBool(const std::string& text);
// The standard conversions (stof, stoi and stoul in base 10: leading blanks are
// skipped, reading stops at the first character that does not fit), except that
// a text that does not begin with a number, one out of the type's range and, for
// unsigned, a negative one throw ValueError naming the text.
float ParseFloat(const std::string& text);
int ParseInt(const std::string& text);
unsigned ParseUnsigned(const std::string& text);
// The text in quotes for an error, shortened when it is long.
std::string Quoted(const std::string& text);
// Standard default float formatting (6 significant digits, %g rule: 0.5, 12.25,
// 1e+06, 1e-05), independent of the global locale. Vectors join them with ",".
std::string FormatFloat(float value);
std::string FormatVec2(const tvec2& value);
std::string FormatVec4(const tvec4& value);
} // namespace Text

// Lists the files of a folder, sorted: plain files by name, files in sub-folders
// (not starting with ".") by their path below the folder ("sub/name",
// "sub/deeper/name"). A "/" is appended to path when missing; an empty path is the
// current folder. Links to folders are not followed (they could loop); other
// entries that are not regular files are left out. Throws
// "Couldn't find directory: " + path (with its "/") when a folder cannot be read.
std::vector<std::string> ListFolder(std::string path);
} // namespace Orvex
