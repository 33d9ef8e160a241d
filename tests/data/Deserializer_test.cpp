#include "data/Deserializer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <unistd.h>

#include "data/DataError.h"
#include "data/Serialization.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

Deserializer Parse(const std::string& text, Deserializer::Flavour flavour = Deserializer::ObjectFile)
{
    std::istringstream in(text);
    return Deserializer(in, "memory.txt", flavour);
}

// A nest of objects named "n", depth deep counting the top-level one.
std::string Nest(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "n:\n{\n";
    return text + "k=v\n";
}

// The tree in one line, keys and children sorted: k=v; name{...}. Blanks, tabs and
// carriage returns are shown as _, \t and \r.
std::string Dump(const Deserializer& node)
{
    const auto shown = [](const std::string& text) {
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

// An object holding text as the value of key "V".
Deserializer Value(const std::string& text)
{
    Deserializer object;
    object.SetValue("V", text);
    return object;
}

// The reason a read gave for refusing its text, or "" when it read.
std::string Refusal(const std::function<void()>& read)
{
    try
    {
        read();
    }
    catch (const ValueError& error)
    {
        return error.what();
    }
    return "";
}

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
        {" \n\n\t\n", ""},
        {"A:\r\n{\r\n  K=1\r\n  C:\r\n  {\r\n    D=2\r\n  }\r\n  E=\r\n}\r\n", "A{C{D=2};E=;K=1}"},
        {"A:\n{\n  K=1\r2\n  L=3\r", "A{K=1\\r2;L=3\\r}"},              // a lone CR stays
    };
    for (const auto& [text, tree] : cases)
        EXPECT_EQ(Dump(Parse(text)), tree) << text;
    EXPECT_TRUE(Parse(Nest(Deserializer::MaxDepth)).HasChild("n"));
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
        EXPECT_EQ(ErrorOf([&text = text] { Parse(text); }), "Error in a file: memory.txt: " + error) << text;
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
        EXPECT_EQ(Dump(Parse(text, Deserializer::SectionFile)), tree) << text;
    const std::pair<const char*, const char*> errors[] = {
        {"\n[A]\nk=v\n", "line 1: '' is not a section header such as [Name]"},
        {"[A]\nk=v\n[\n", "line 3: '[' is not a section header such as [Name]"},
        {"[A]\nno value here\n", "line 2: 'no value here' has no \"=\""},
        {"[A]\n   \n", "line 2: a line of blanks only"},
    };
    for (const auto& [text, error] : errors)
        EXPECT_EQ(ErrorOf([&text = text] { Parse(text, Deserializer::SectionFile); }),
                  std::string("Error in a file: memory.txt: ") + error)
            << text;
}

// A file is parsed and named in its errors; a missing file or a folder cannot be
// found, nor can a child that is not there.
TEST(DeserializerFiles, ParsesAFileAndNamesItInErrors)
{
    const std::string path = (fs::temp_directory_path() / ("orvex_data_" + std::to_string(getpid()))).string();
    std::ofstream(path) << "[Window]\nWidth=640\n";
    EXPECT_EQ(Deserializer(path, Deserializer::SectionFile).GetChild("Window").GetString("Width"), "640");
    std::ofstream(path) << "Mesh:\n{\n  Points\n}\n";
    EXPECT_EQ(ErrorOf([&] { Deserializer(path, Deserializer::ObjectFile); }),
              "Error in a file: " + path + ": line 3: 'Points' has no \"=\"");
    fs::remove(path);
    for (const std::string missing : {"./no_such_file.txt", "."})
        EXPECT_EQ(ErrorOf([&] { Deserializer(missing, Deserializer::ObjectFile); }), "Could not find file: " + missing);
    const Deserializer file = Parse("A:\n{\n}\n");
    EXPECT_EQ(ErrorOf([&] { file.GetChild("Entities"); }), "Entities not found in deserializer.");
    EXPECT_FALSE(file.HasChild("Entities"));
}

// An empty value counts as absent and leaves every target as it was.
TEST(ValueText, BoolsReadFalseOnlyForLeadingZeroOrFalse)
{
    const std::pair<const char*, bool> cases[] = {{"false", false}, {"0", false},  {"0.5", false}, {"true", true},
                                                  {"yes", true},    {"1", true},   {"False", true}};
    for (const auto& [text, value] : cases)
    {
        bool read = !value;
        Value(text).GetBool("V", read);
        EXPECT_EQ(read, value) << text;
    }
    bool kept = false;
    Value("").GetBool("V", kept);
    EXPECT_FALSE(kept);
    EXPECT_FALSE(Value("").HasKey("V"));
    EXPECT_EQ(Value("").GetString("V"), "");
    EXPECT_EQ(Value("x").GetString("Missing"), "");
}

// A vector is read as a stream reads it, skipping one character between
// components; a text that ends early leaves the later components as they were,
// and one with a component that does not read is refused whole.
TEST(ValueText, VectorsReadUpToWhereTheTextEndsOrAreRefusedWhole)
{
    const std::pair<const char*, tvec4> read[] = {
        {"1.5,-2,0.25,0", {1.5f, -2.0f, 0.25f, 0.0f}}, {"3 4", {3.0f, 4.0f, -9.0f, -9.0f}},
        {"5, 6", {5.0f, 6.0f, -9.0f, -9.0f}},          {"", tvec4(-9.0f)}};
    for (const auto& [text, value] : read)
    {
        tvec4 four(-9.0f);
        Value(text).GetVec4("V", four);
        EXPECT_EQ(four, value) << text;
        tvec2 two(-9.0f);
        Value(text).GetVec2("V", two);
        EXPECT_EQ(two, tvec2(value)) << text;
    }
    tvec2 two(-9.0f);
    tvec4 four(-9.0f);
    EXPECT_EQ(Refusal([&] { Value("1e99,2").GetVec2("V", two); }), "'1e99,2' is not two numbers");
    EXPECT_EQ(Refusal([&] { Value("1,2,zero").GetVec4("V", four); }), "'1,2,zero' is not four numbers");
    EXPECT_EQ(Refusal([&] { Value(std::string(100, 'z')).GetVec4("V", four); }),
              "'" + std::string(60, 'z') + "...' is not four numbers");
    EXPECT_EQ(two, tvec2(-9.0f));
    EXPECT_EQ(four, tvec4(-9.0f));
}

TEST(ValueText, NumbersThatDoNotReadOrFitAreRefusedNamingTheText)
{
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] { Text::ParseFloat("1e50"); }, "'1e50' is out of range for a number"},
        {[] { Text::ParseInt("99999999999"); }, "'99999999999' is out of range for a whole number"},
        {[] { Text::ParseUnsigned("seven"); }, "'seven' is not a whole number of 0 or more"},
        {[] { Text::ParseUnsigned("-1"); }, "'-1' is not a whole number of 0 or more"},
        {[] { Text::ParseUnsigned(" -5"); }, "' -5' is not a whole number of 0 or more"},
        {[] { Text::ParseUnsigned("4294967296"); }, "'4294967296' is out of range for a whole number of 0 or more"},
        {[] { Text::ParseUnsigned("99999999999999999999"); },
         "'99999999999999999999' is out of range for a whole number of 0 or more"},
    };
    for (const auto& [read, error] : cases)
        EXPECT_EQ(Refusal(read), error);
    EXPECT_EQ(Text::ParseUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(Text::ParseInt("-2147483648"), -2147483647 - 1);
}

// Outside a scope writing goes nowhere; a scope's end gives back the stream and
// indentation it found, which is 0 when no writer runs. A negative indentation writes none.
TEST(SerialOutput, ScopesRestoreStreamAndIndentationAndLinesAreIndented)
{
    Serial::Write("lost\n");
    {
        SerialOutput output;
        Serial::SetIndentation(6);
    }
    EXPECT_EQ(Serial::Indentation(), 0);
    SerialOutput outer;
    Serial::SetIndentation(2);
    {
        SerialOutput inner;
        Serial::SetIndentation(1);
        Serial::WriteLine("One", "1");
        Serial::SetIndentation(-3);
        Serial::WriteLine("Flat", "2");
        EXPECT_EQ(inner.Text(), " One=1\nFlat=2\n");
    }
    EXPECT_EQ(Serial::Indentation(), 2);
    Serial::WriteLine("Outer", "");
    EXPECT_EQ(outer.Text(), "  Outer=\n");
}

// Files at any depth, sorted; hidden folders and links to folders are not
// followed, links to files are listed; a missing folder names its path.
TEST(ListFolder, FilesAtAnyDepthSortedWithoutHiddenOrLinkedFolders)
{
    const fs::path root = fs::temp_directory_path() / ("orvex_list_" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Empty");
    EXPECT_TRUE(ListFolder(root.string()).empty());
    EXPECT_EQ(ListFolder(""), ListFolder("./"));
    for (const char* file : {"b.txt", "a.txt", ".keep", "Speedrun/Timer.txt", "Speedrun/Deeper/Clock.txt",
                             ".hidden/Secret.txt"})
    {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "x";
    }
    fs::create_directory_symlink(root, root / "loop");
    fs::create_symlink(root / "a.txt", root / "alias.txt");
    const std::vector<std::string> expected = {".keep", "Speedrun/Deeper/Clock.txt", "Speedrun/Timer.txt",
                                               "a.txt", "alias.txt", "b.txt"};
    EXPECT_EQ(ListFolder(root.string()), expected);
    EXPECT_EQ(ListFolder(root.string() + "/"), expected);
    const std::string missing = (root / "absent").string();
    EXPECT_EQ(ErrorOf([&] { ListFolder(missing); }), "Couldn't find directory: " + missing + "/");
    fs::remove_all(root);
}
} // namespace
} // namespace Orvex
