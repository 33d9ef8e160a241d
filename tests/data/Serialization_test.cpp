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
