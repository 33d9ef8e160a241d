#include "data/Serialization.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/Deserializer.h"

using Orvex::Deserializer;
using Orvex::SerialOutput;
namespace Serial = Orvex::Serial;
namespace Text = Orvex::Text;

TEST(SerialOutput, WritesIndentedKeyValueLines)
{
    SerialOutput output;
    Serial::Write("A:\n{\n");
    Serial::SetIndentation(2);
    Serial::WriteLine("Key", "value");
    Serial::SetIndentation(6);
    Serial::WriteLine("Deep", "");
    Serial::SetIndentation(-3);
    Serial::WriteLine("Flat", "1");
    EXPECT_EQ(output.Text(), "A:\n{\n  Key=value\n      Deep=\nFlat=1\n");
}

// Outside a scope writing goes nowhere; a scope's end gives back the stream and
// indentation it found, which is 0 when no writer runs.
TEST(SerialOutput, NestedScopesRestoreStreamAndIndentation)
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
        Serial::SetIndentation(4);
        Serial::WriteLine("Inner", "1");
        EXPECT_EQ(inner.Text(), "    Inner=1\n");
    }
    EXPECT_EQ(Serial::Indentation(), 2);
    Serial::WriteLine("Outer", "2");
    EXPECT_EQ(outer.Text(), "  Outer=2\n");
}

TEST(FloatText, StandardDefaultFormatting)
{
    EXPECT_EQ(Text::FormatFloat(1e6f), "1e+06");
    EXPECT_EQ(Text::FormatFloat(1.2345678f), "1.23457");
    EXPECT_EQ(Text::FormatFloat(-3.0f), "-3");
    EXPECT_EQ(Text::FormatVec2({1.5f, -2.0f}), "1.5,-2");
    EXPECT_EQ(Text::FormatVec4({1.0f, 0.5f, 0.25f, 1e-7f}), "1,0.5,0.25,1e-07");
}

// What a writer produces reads back the same: every plain value the text level
// handles, at the indentations the level writer uses.
TEST(SerialRoundTrip, WrittenObjectReadsBack)
{
    std::string text;
    {
        SerialOutput output;
        Serial::Write("Entities:\n{\n  0:\n  {\n");
        Serial::SetIndentation(4);
        Serial::WriteLine("Name", "Big Crate = heavy");
        Serial::Write("    Transform:\n    {\n");
        Serial::SetIndentation(6);
        Serial::WriteLine("Scale", Text::FormatFloat(1e6f));
        Serial::WriteLine("Small", Text::FormatFloat(2.5e-5f));
        Serial::WriteLine("Half", Text::FormatFloat(0.5f));
        Serial::WriteLine("Ghost", "1");
        Serial::WriteLine("Locked", "0");
        Serial::WriteLine("Position", Text::FormatVec2({-3.25f, 1e-6f}));
        Serial::WriteLine("Tint", Text::FormatVec4({1.0f, 0.5f, 0.0f, 0.125f}));
        Serial::Write("    }\n  }\n}\n");
        text = output.Text();
    }
    std::istringstream in(text);
    const Deserializer file(in, "round trip", Deserializer::ObjectFile);
    const Deserializer& entity = file.GetChild("Entities").GetChild("0");
    EXPECT_EQ(entity.GetString("Name"), "Big Crate = heavy");
    const Deserializer& transform = entity.GetChild("Transform");
    EXPECT_EQ(std::stof(transform.GetString("Scale")), 1e6f);
    EXPECT_EQ(std::stof(transform.GetString("Small")), 2.5e-5f);
    EXPECT_EQ(std::stof(transform.GetString("Half")), 0.5f);
    bool ghost = false, locked = true;
    transform.GetBool("Ghost", ghost);
    transform.GetBool("Locked", locked);
    EXPECT_TRUE(ghost);
    EXPECT_FALSE(locked);
    Orvex::tvec2 position(0.0f);
    transform.GetVec2("Position", position);
    EXPECT_EQ(position, Orvex::tvec2(-3.25f, 1e-6f));
    Orvex::tvec4 tint(0.0f);
    transform.GetVec4("Tint", tint);
    EXPECT_EQ(tint, Orvex::tvec4(1.0f, 0.5f, 0.0f, 0.125f));
}
