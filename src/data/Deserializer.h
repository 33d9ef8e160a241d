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
// False when the text begins with '0' or equals "false"; true otherwise.
bool ParseBool(const std::string& text);
// Standard default float formatting (6 significant digits, %g rule).
std::string FormatFloat(float value);
std::string FormatVec2(const tvec2& value);
std::string FormatVec4(const tvec4& value);
} // namespace Text

// Lists the files of a folder: plain files by name, files in sub-folders (not
// starting with ".") as "sub/name", recursively. Throws
// "Couldn't find directory: " + path when the folder cannot be opened.
std::vector<std::string> ListFolder(std::string path);
} // namespace Orvex
