#include "data/Deserializer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "data/DataError.h"
#include "support/ErrorOf.h"

using Orvex::Deserializer;
using Orvex::ErrorOf;
using Orvex::tvec2;
using Orvex::tvec4;

namespace
{
const std::string kPath = "memory.txt";

Deserializer ParseObjects(const std::string& text)
{
    std::istringstream in(text);
    return Deserializer(in, kPath, Deserializer::ObjectFile);
}

Deserializer ParseSections(const std::string& text)
{
    std::istringstream in(text);
    return Deserializer(in, kPath, Deserializer::SectionFile);
}

// A nest of objects named "n", depth deep counting the top-level one.
std::string Nest(int depth)
{
    std::string text = "n:\n{\n";
    for (int i = 1; i < depth; ++i)
        text += "n:\n{\n";
    return text + "k=v\n";
}

// The tree in one line, keys and children sorted: k=v; name{...}. Blanks, tabs and
// carriage returns are shown as _, \t and \r.
std::string Dump(const Deserializer& node)
{
    const auto shown = [](std::string text) {
        std::string out;
        for (char c : text)
            out += c == ' ' ? std::string("_") : c == '\t' ? std::string("\\t") : c == '\r' ? std::string("\\r") : std::string(1, c);
        return out;
    };
    std::map<std::string, std::string> parts;
    for (const auto& [key, value] : node.Values())
        parts[shown(key)] = shown(key) + "=" + shown(value);
    for (const auto& [name, child] : node.Children())
        parts[shown(name) + "{"] = shown(name) + "{" + Dump(child) + "}";
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : ";") + part.second;
    return text;
}
} // namespace

TEST(ObjectFile, ReadsTheTreeAsTheFormatSays)
{
    const std::pair<const char*, const char*> cases[] = {
        {"LevelData:\n{\n  VersionMajor=1\n  Camera=Cam\n}\n\nEntities:\n{\n  0:\n  {\n    Name=Player\n"
         "    Transform:\n    {\n      Position=1,2\n    }\n  }\n}\n",
         "Entities{0{Name=Player;Transform{Position=1,2}}};LevelData{Camera=Cam;VersionMajor=1}"},
        // Blanks around "=" belong to key and value; only leading blanks are stripped.
        {"A:\n{\n  Speed = 3\n\tKey=1\n    Other=2  \n}\n", "A{Other=2__;Speed_=_3;\\tKey=1}"},
        // A value ending in ":" opens an object and the line after it is discarded.
        {"A:\n{\n  Label=Time:\n  Lost=1\n  Kept=2\n  }\n  After=3\n}\n", "A{After=3;Label=Time{Kept=2}}"},
        {"A: { Lost=1\n  Kept=2\n}\n", "A{Kept=2}"},                     // text on the brace line
        {"Name\n{\n}\nX:\n{\n}\n", "Nam{};X{}"},                       // the name's last character goes
        {"A:\n{\n  K=1\n  K=2\n  C:\n  {\n    Old=1\n  }\n  C:\n  {\n    New=1\n  }\n}\nA:\n{\n  K=3\n}\n",
         "A{K=3}"},                                                       // later ones replace, never merge
        {"A:\n{\n  C:\n  {\n    Old=1\n  }\n  C:\n  {\n    New=1\n  }\n}\n", "A{C{New=1}}"},
        {"A:\n{\n  Text=a=b\n  Empty=\n}\n", "A{Empty=;Text=a=b}"},
        {"A:\n{\n\n  K=1\n\n  } trailing words\nB:\n{\n}\n", "A{K=1};B{}"},
        {"A:\n{\n  K=1\n  C:\n  {\n    D=2", "A{C{D=2};K=1}"},           // no final brace
        {"", ""},
        {" \n\n\t\n", ""},
        {"A:\r\n{\r\n  K=1\r\n  C:\r\n  {\r\n    D=2\r\n  }\r\n  E=\r\n}\r\n", "A{C{D=2};E=;K=1}"},
        {"A:\n{\n  K=1\r2\n  L=3\r", "A{K=1\\r2;L=3\\r}"},              // a lone CR stays
    };
    for (const auto& [text, tree] : cases)
        EXPECT_EQ(Dump(ParseObjects(text)), tree) << text;
    EXPECT_TRUE(ParseObjects(Nest(Deserializer::MaxDepth)).HasChild("n"));
    // An empty value counts as absent.
    const Deserializer a = ParseObjects("A:\n{\n  Name=\n}\n").GetChild("A");
    EXPECT_FALSE(a.HasKey("Name"));
    EXPECT_EQ(a.GetString("Name"), "");
    EXPECT_EQ(a.GetString("Missing"), "");
}

TEST(ObjectFile, MalformedLinesAndTooDeepNestingAreErrorsNamingTheFileAndLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"A:\n{\n  K=1\n   \n}\n", "line 4: a line of blanks only"},
        {"A:\n{\n  // comment\n}\n", "line 3: '// comment' has no \"=\""},
        {"A:\n{\n  C:\n  {\n    Key\n  }\n}\n", "line 5: 'Key' has no \"=\""},
        {"A:\n{\n  Child: \n}\n", "line 3: 'Child: ' has no \"=\""},
        // Line feeds before and between top-level objects count too.
        {"\n\nA:\n{\n}\n\nB:\n\n{\n  Key\n}\n", "line 10: 'Key' has no \"=\""},
        // The header of the object one too deep is on line 2 x 64 + 1.
        {Nest(Deserializer::MaxDepth + 1), "line 129: objects nested more than 64 deep"},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ErrorOf([&text = text] { ParseObjects(text); }), "Error in a file: memory.txt: " + error) << text;
}

TEST(SectionFile, ReadsSectionsWithoutTouchingBlanksAndRefusesMalformedLines)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[Levels]\nPATH=./levels/\nEXT=.txt\n\n[Debug]\nDebugDraw=0\n Spaced = yes \n",
         "Debug{DebugDraw=0;_Spaced_=_yes_};Levels{EXT=.txt;PATH=./levels/}"},
        {"<Window>\nWidth=1280\n[]\nx=1\n", "Window{Width=1280};{x=1}"}, // header loses both ends
        {"[Window]\r\nWidth=1\r\n[Window]\r\nHeight=2\r\n", "Window{Height=2}"},
        {"", ""},
    };
    for (const auto& [text, tree] : cases)
        EXPECT_EQ(Dump(ParseSections(text)), tree) << text;
    const std::pair<const char*, const char*> errors[] = {
        {"\n[A]\nk=v\n", "line 1: '' is not a section header such as [Name]"},
        {"[A]\nk=v\n[\n", "line 3: '[' is not a section header such as [Name]"},
        {"[A]\nno value here\n", "line 2: 'no value here' has no \"=\""},
        {"[A]\n   \n", "line 2: a line of blanks only"},
    };
    for (const auto& [text, error] : errors)
        EXPECT_EQ(ErrorOf([&text = text] { ParseSections(text); }), std::string("Error in a file: memory.txt: ") + error)
            << text;
}

TEST(DeserializerLookups, BoolsReadFalseOnlyForLeadingZeroOrFalse)
{
    const Deserializer object = ParseObjects("A:\n{\n  a=false\n  b=0\n  c=0.5\n  d=true\n"
                                             "  e=yes\n  f=1\n  g=False\n  h=\n}\n")
                                    .GetChild("A");
    const auto read = [&](const std::string& key, bool start) {
        bool value = start;
        object.GetBool(key, value);
        return value;
    };
    for (const char* key : {"a", "b", "c"})
        EXPECT_FALSE(read(key, true)) << key;
    for (const char* key : {"d", "e", "f", "g"})
        EXPECT_TRUE(read(key, false)) << key;
    EXPECT_TRUE(read("h", true)) << "an empty value leaves the target";
    EXPECT_FALSE(read("missing", false));
}

TEST(DeserializerLookups, VectorsSkipExactlyOneCharacterBetweenFloats)
{
    const Deserializer object = ParseObjects("A:\n{\n  comma=1.5,-2\n  blank=3 4\n"
                                             "  spaced=5, 6\n  colour=1,0.5,0.25,0\n  short=7,8\n"
                                             "  junk=abc\n  huge=1e99,2\n  empty=\n}\n")
                                    .GetChild("A");
    const auto vec2 = [&](const std::string& key) {
        tvec2 value(-9.0f, -9.0f);
        object.GetVec2(key, value);
        return value;
    };
    EXPECT_EQ(vec2("comma"), tvec2(1.5f, -2.0f));
    EXPECT_EQ(vec2("blank"), tvec2(3.0f, 4.0f));
    EXPECT_EQ(vec2("spaced"), tvec2(5.0f, 6.0f));
    EXPECT_THROW(vec2("junk"), Orvex::ValueError) << "a text that does not begin with a number";
    EXPECT_THROW(vec2("huge"), Orvex::ValueError);
    EXPECT_EQ(vec2("empty"), tvec2(-9.0f, -9.0f));
    EXPECT_EQ(vec2("missing"), tvec2(-9.0f, -9.0f));

    tvec4 colour(-9.0f);
    object.GetVec4("colour", colour);
    EXPECT_EQ(colour, tvec4(1.0f, 0.5f, 0.25f, 0.0f));
    tvec4 partial(-9.0f);
    object.GetVec4("short", partial);
    EXPECT_EQ(partial, tvec4(7.0f, 8.0f, -9.0f, -9.0f));
}

// A file is parsed and named in its errors; a missing file or a folder cannot be found.
TEST(DeserializerFiles, ParsesAFileAndNamesItInErrors)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / "orvex_data_test_file.txt").string();
    std::ofstream(path) << "[Window]\nWidth=640\n";
    EXPECT_EQ(Deserializer(path, Deserializer::SectionFile).GetChild("Window").GetString("Width"),
              "640");
    std::ofstream(path) << "Mesh:\n{\n  Points\n}\n";
    EXPECT_EQ(ErrorOf([&] { Deserializer(path, Deserializer::ObjectFile); }),
              "Error in a file: " + path + ": line 3: 'Points' has no \"=\"");
    std::filesystem::remove(path);
    for (const std::string missing : {"./no_such_file.txt", "."})
        EXPECT_EQ(ErrorOf([&] { Deserializer(missing, Deserializer::ObjectFile); }), "Could not find file: " + missing);
    const Deserializer file = ParseObjects("A:\n{\n}\n");
    EXPECT_EQ(ErrorOf([&] { file.GetChild("Entities"); }), "Entities not found in deserializer.");
    EXPECT_FALSE(file.HasChild("Entities"));
}
