#include "data/Deserializer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using Orvex::Deserializer;
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

std::string ErrorOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const std::string& error)
    {
        return error;
    }
    return "no error";
}

std::string ObjectFileError(const std::string& text)
{
    return ErrorOf([&] { ParseObjects(text); });
}

// A nest of objects named "n", depth deep counting the top-level one.
std::string Nest(int depth)
{
    std::string text = "n:\n{\n";
    for (int i = 1; i < depth; ++i)
        text += "n:\n{\n";
    return text + "k=v\n";
}
} // namespace

TEST(ObjectFile, ReadsObjectsValuesAndNestedObjects)
{
    const Deserializer file = ParseObjects("LevelData:\n{\n  VersionMajor=1\n  Camera=Cam\n}\n\n"
                                           "Entities:\n{\n  0:\n  {\n    Name=Player\n"
                                           "    Transform:\n    {\n      Position=1,2\n"
                                           "    }\n  }\n}\n");
    EXPECT_TRUE(file.Values().empty());
    EXPECT_EQ(file.Children().size(), 2u);
    EXPECT_EQ(file.GetChild("LevelData").GetString("VersionMajor"), "1");
    EXPECT_EQ(file.GetChild("LevelData").GetString("Camera"), "Cam");
    const Deserializer& entity = file.GetChild("Entities").GetChild("0");
    EXPECT_EQ(entity.GetString("Name"), "Player");
    EXPECT_EQ(entity.GetChild("Transform").GetString("Position"), "1,2");
}

TEST(ObjectFile, BlanksAroundEqualsBelongToKeyAndValue)
{
    const Deserializer object = ParseObjects("A:\n{\n  Speed = 3\n}\n").GetChild("A");
    EXPECT_FALSE(object.HasKey("Speed"));
    EXPECT_TRUE(object.HasKey("Speed "));
    EXPECT_EQ(object.GetString("Speed "), " 3");
}

TEST(ObjectFile, OnlyLeadingBlanksAreStrippedTabsStay)
{
    const Deserializer object = ParseObjects("A:\n{\n\tKey=1\n    Other=2  \n}\n").GetChild("A");
    EXPECT_TRUE(object.HasKey("\tKey"));
    EXPECT_FALSE(object.HasKey("Key"));
    EXPECT_EQ(object.GetString("Other"), "2  ");
}

TEST(ObjectFile, ValueEndingInColonOpensNestedObjectAndDiscardsNextLine)
{
    const Deserializer object =
        ParseObjects("A:\n{\n  Label=Time:\n  Lost=1\n  Kept=2\n  }\n  After=3\n}\n").GetChild("A");
    ASSERT_TRUE(object.HasChild("Label=Time"));
    const Deserializer& nested = object.GetChild("Label=Time");
    EXPECT_FALSE(nested.HasKey("Lost"));
    EXPECT_EQ(nested.GetString("Kept"), "2");
    EXPECT_EQ(object.GetString("After"), "3");
    EXPECT_FALSE(object.HasKey("Label"));
}

TEST(ObjectFile, TextOnTheBraceLineIsDiscarded)
{
    const Deserializer object = ParseObjects("A: { Lost=1\n  Kept=2\n}\n").GetChild("A");
    EXPECT_FALSE(object.HasKey(" Lost"));
    EXPECT_FALSE(object.HasKey("Lost"));
    EXPECT_EQ(object.GetString("Kept"), "2");
}

TEST(ObjectFile, TopLevelNameLosesItsLastCharacterWhateverItIs)
{
    const Deserializer file = ParseObjects("Name\n{\n}\nX:\n{\n}\n");
    EXPECT_TRUE(file.HasChild("Nam"));
    EXPECT_TRUE(file.HasChild("X"));
}

TEST(ObjectFile, LaterKeysAndObjectsReplaceEarlierOnes)
{
    const Deserializer file = ParseObjects("A:\n{\n  K=1\n  K=2\n  C:\n  {\n    Old=1\n  }\n"
                                           "  C:\n  {\n    New=1\n  }\n}\nA:\n{\n  K=3\n}\n"
                                           "B:\n{\n  K=4\n  C:\n  {\n    Old=1\n  }\n"
                                           "  C:\n  {\n    New=1\n  }\n}\n");
    const Deserializer& a = file.GetChild("A");
    EXPECT_EQ(a.GetString("K"), "3");
    EXPECT_FALSE(a.HasChild("C")) << "a later top-level object replaces, it does not merge";
    const Deserializer& c = file.GetChild("B").GetChild("C");
    EXPECT_FALSE(c.HasKey("Old"));
    EXPECT_TRUE(c.HasKey("New"));
}

TEST(ObjectFile, ValueMayHoldEqualsSigns)
{
    const Deserializer object = ParseObjects("A:\n{\n  Text=a=b\n  Empty=\n}\n").GetChild("A");
    EXPECT_EQ(object.GetString("Text"), "a=b");
    EXPECT_FALSE(object.HasKey("Empty"));
    EXPECT_EQ(object.Values().count("Empty"), 1u);
}

TEST(ObjectFile, EmptyLinesAreSkippedAndTheClosingLineIsIgnoredAfterTheBrace)
{
    const Deserializer file = ParseObjects("A:\n{\n\n  K=1\n\n  } trailing words\nB:\n{\n}\n");
    EXPECT_EQ(file.GetChild("A").GetString("K"), "1");
    EXPECT_TRUE(file.HasChild("B"));
}

TEST(ObjectFile, MissingFinalBraceIsFine)
{
    const Deserializer file = ParseObjects("A:\n{\n  K=1\n  C:\n  {\n    D=2");
    EXPECT_EQ(file.GetChild("A").GetString("K"), "1");
    EXPECT_EQ(file.GetChild("A").GetChild("C").GetString("D"), "2");
}

TEST(ObjectFile, EmptyTextHasNoObjects)
{
    EXPECT_TRUE(ParseObjects("").Children().empty());
    EXPECT_TRUE(ParseObjects(" \n\n\t\n").Children().empty());
}

TEST(ObjectFile, CarriageReturnBeforeLineFeedIsNotPartOfTheLine)
{
    const Deserializer file = ParseObjects("A:\r\n{\r\n  K=1\r\n  C:\r\n  {\r\n    D=2\r\n  }\r\n"
                                           "  E=\r\n}\r\n");
    const Deserializer& a = file.GetChild("A");
    EXPECT_EQ(a.GetString("K"), "1");
    EXPECT_EQ(a.GetChild("C").GetString("D"), "2");
    EXPECT_FALSE(a.HasKey("E"));
}

TEST(ObjectFile, CarriageReturnElsewhereStaysInTheLine)
{
    const Deserializer a = ParseObjects("A:\n{\n  K=1\r2\n  L=3\r").GetChild("A");
    EXPECT_EQ(a.GetString("K"), "1\r2");
    EXPECT_EQ(a.GetString("L"), "3\r");
}

TEST(ObjectFileErrors, LineOfBlanksInsideAnObject)
{
    EXPECT_EQ(ObjectFileError("A:\n{\n  K=1\n   \n}\n"), "Error in a file: memory.txt");
}

TEST(ObjectFileErrors, LineWithoutEquals)
{
    EXPECT_EQ(ObjectFileError("A:\n{\n  // comment\n}\n"), "Error in a file: memory.txt");
    EXPECT_EQ(ObjectFileError("A:\n{\n  C:\n  {\n    Key\n  }\n}\n"), "Error in a file: memory.txt");
    EXPECT_EQ(ObjectFileError("A:\n{\n  Child: \n}\n"), "Error in a file: memory.txt");
}

TEST(ObjectFileErrors, NestingDeeperThanTheLimit)
{
    const Deserializer deepest = ParseObjects(Nest(Deserializer::MaxDepth));
    EXPECT_TRUE(deepest.HasChild("n"));
    EXPECT_EQ(ObjectFileError(Nest(Deserializer::MaxDepth + 1)), "Error in a file: memory.txt");
}

TEST(SectionFile, ReadsSectionsWithoutTouchingBlanks)
{
    const Deserializer file = ParseSections("[Levels]\nPATH=./levels/\nEXT=.txt\n\n[Debug]\n"
                                            "DebugDraw=0\n Spaced = yes \n");
    EXPECT_EQ(file.Children().size(), 2u);
    EXPECT_EQ(file.GetChild("Levels").GetString("PATH"), "./levels/");
    EXPECT_EQ(file.GetChild("Levels").GetString("EXT"), ".txt");
    const Deserializer& debug = file.GetChild("Debug");
    EXPECT_EQ(debug.GetString("DebugDraw"), "0");
    EXPECT_EQ(debug.GetString(" Spaced "), " yes ");
}

TEST(SectionFile, HeaderLosesItsFirstAndLastCharacters)
{
    const Deserializer file = ParseSections("<Window>\nWidth=1280\n[]\nx=1\n");
    EXPECT_EQ(file.GetChild("Window").GetString("Width"), "1280");
    EXPECT_EQ(file.GetChild("").GetString("x"), "1");
}

TEST(SectionFile, CrLfLinesAndReplacedSections)
{
    const Deserializer file = ParseSections("[Window]\r\nWidth=1\r\n[Window]\r\nHeight=2\r\n");
    const Deserializer& window = file.GetChild("Window");
    EXPECT_FALSE(window.HasKey("Width"));
    EXPECT_EQ(window.GetString("Height"), "2");
}

TEST(SectionFile, EmptyTextHasNoSections)
{
    EXPECT_TRUE(ParseSections("").Children().empty());
}

TEST(SectionFileErrors, ShortHeaderOrLineWithoutEquals)
{
    const auto error = [](const std::string& text) { return ErrorOf([&] { ParseSections(text); }); };
    EXPECT_EQ(error("\n[A]\nk=v\n"), "Error in a file: memory.txt");
    EXPECT_EQ(error("[A]\nk=v\n[\n"), "Error in a file: memory.txt");
    EXPECT_EQ(error("[A]\nno value here\n"), "Error in a file: memory.txt");
    EXPECT_EQ(error("[A]\n   \n"), "Error in a file: memory.txt");
}

TEST(DeserializerLookups, MissingChildNamesItself)
{
    const Deserializer file = ParseObjects("A:\n{\n}\n");
    EXPECT_EQ(ErrorOf([&] { file.GetChild("Entities"); }), "Entities not found in deserializer.");
    EXPECT_FALSE(file.HasChild("Entities"));
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
    EXPECT_FALSE(read("a", true));
    EXPECT_FALSE(read("b", true));
    EXPECT_FALSE(read("c", true));
    EXPECT_TRUE(read("d", false));
    EXPECT_TRUE(read("e", false));
    EXPECT_TRUE(read("f", false));
    EXPECT_TRUE(read("g", false));
    EXPECT_TRUE(read("h", true)) << "an empty value leaves the target";
    EXPECT_FALSE(read("missing", false));
}

TEST(DeserializerLookups, VectorsSkipExactlyOneCharacterBetweenFloats)
{
    const Deserializer object = ParseObjects("A:\n{\n  comma=1.5,-2\n  blank=3 4\n  two=3,,4\n"
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
    EXPECT_EQ(vec2("two"), tvec2(3.0f, -9.0f)) << "an unread component keeps its value";
    EXPECT_EQ(vec2("spaced"), tvec2(5.0f, 6.0f));
    EXPECT_EQ(vec2("junk"), tvec2(-9.0f, -9.0f));
    EXPECT_EQ(vec2("huge"), tvec2(-9.0f, -9.0f));
    EXPECT_EQ(vec2("empty"), tvec2(-9.0f, -9.0f));
    EXPECT_EQ(vec2("missing"), tvec2(-9.0f, -9.0f));

    tvec4 colour(-9.0f);
    object.GetVec4("colour", colour);
    EXPECT_EQ(colour, tvec4(1.0f, 0.5f, 0.25f, 0.0f));
    tvec4 partial(-9.0f);
    object.GetVec4("short", partial);
    EXPECT_EQ(partial, tvec4(7.0f, 8.0f, -9.0f, -9.0f));
}

TEST(DeserializerLookups, EmptyValueCountsAsAbsent)
{
    const Deserializer object = ParseObjects("A:\n{\n  Name=\n}\n").GetChild("A");
    EXPECT_FALSE(object.HasKey("Name"));
    EXPECT_EQ(object.GetString("Name"), "");
    EXPECT_EQ(object.GetString("Missing"), "");
}

TEST(DeserializerFiles, MissingFileOrFolderCannotBeFound)
{
    const auto error = [](const std::string& path) {
        return ErrorOf([&] { Deserializer(path, Deserializer::ObjectFile); });
    };
    EXPECT_EQ(error("./no_such_file.txt"), "Could not find file: ./no_such_file.txt");
    EXPECT_EQ(error("."), "Could not find file: .");
}

TEST(DeserializerFiles, ParsesAFileAndNamesItInErrors)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / "orvex_data_test_file.txt").string();
    std::ofstream(path) << "[Window]\nWidth=640\n";
    EXPECT_EQ(Deserializer(path, Deserializer::SectionFile).GetChild("Window").GetString("Width"),
              "640");
    std::ofstream(path) << "Mesh:\n{\n  Points\n}\n";
    EXPECT_EQ(ErrorOf([&] { Deserializer(path, Deserializer::ObjectFile); }),
              "Error in a file: " + path);
    std::filesystem::remove(path);
}
