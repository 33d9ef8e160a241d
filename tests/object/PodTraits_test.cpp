#include <gtest/gtest.h>

#include "data/DataError.h"
#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "object/MetaPod.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
// Reads text as the value of key "V" into value, through T's record.
template <class T> void Read(const std::string& text, T& value)
{
    Deserializer object;
    object.SetValue("V", text);
    META_POD<T>::Get().Deserialize("V", &value, object);
}

template <class T> T Read(const std::string& text)
{
    T value{};
    Read(text, value);
    return value;
}

// The line T's record writes for key "V".
template <class T> std::string Written(const T& value)
{
    SerialOutput output;
    META_POD<T>::Get().Serialize("V", &value);
    return output.Text();
}

// The reasons name the text; the loaders add the file, object and key. An
// empty or absent key keeps the previous value without a refusal.
TEST(PodDeserialize, TextsThatDoNotReadAreRefusedAndTheValueKept)
{
    const auto refusal = [](auto value, const std::string& text) {
        const auto before = value;
        std::string reason;
        try
        {
            Read(text, value);
        }
        catch (const ValueError& error)
        {
            reason = error.what();
        }
        EXPECT_EQ(value, before) << text;
        return reason;
    };
    EXPECT_EQ(refusal(1.0f, "abc"), "'abc' is not a number");
    EXPECT_EQ(refusal(1.0f, "1e50"), "'1e50' is out of range for a number");
    EXPECT_EQ(refusal(2, "x1"), "'x1' is not a whole number");
    EXPECT_EQ(refusal(2, "99999999999"), "'99999999999' is out of range for a whole number");
    EXPECT_EQ(refusal(3u, "seven"), "'seven' is not a whole number of 0 or more");
    EXPECT_EQ(refusal(3u, "-1"), "'-1' is not a whole number of 0 or more");
    EXPECT_EQ(refusal(3u, " -5"), "' -5' is not a whole number of 0 or more");
    EXPECT_EQ(refusal(3u, "4294967296"), "'4294967296' is out of range for a whole number of 0 or more");
    EXPECT_EQ(refusal(3u, "99999999999999999999"),
              "'99999999999999999999' is out of range for a whole number of 0 or more");
    EXPECT_EQ(refusal(tvec2(1.0f), "x,2"), "'x,2' is not two numbers");
    // Read up to a component that is there but not a number, and refused whole.
    EXPECT_EQ(refusal(tvec4(1.0f), "1,2,zero"), "'1,2,zero' is not four numbers");
    for (const auto& empty : {refusal(tvec4(1.0f), ""), refusal(tvec2(4.0f, 5.0f), ""), refusal(2.5f, ""),
                              refusal(std::string("kept"), "")})
        EXPECT_EQ(empty, "");
    Deserializer object;
    int count = 9;
    META_POD<int>::Get().Deserialize("Missing", &count, object);
    EXPECT_EQ(count, 9);
    EXPECT_EQ(refusal(tvec4(1.0f), std::string(100, 'z')),
              "'" + std::string(60, 'z') + "...' is not four numbers");
}

// Each value is written as one line and reads back equal from its text.
TEST(PodSerialize, OneKeyValueLineThatReadsBackEqual)
{
    const auto both = [](auto value, const std::string& text) {
        EXPECT_EQ(Written(value), "V=" + text + "\n");
        EXPECT_EQ(Read<decltype(value)>(text), value) << text;
    };
    both(std::string("a=b c"), "a=b c");
    both(-2147483647 - 1, "-2147483648");
    both(4294967295u, "4294967295");
    both(true, "1");
    both(false, "0");
    both(-7.125f, "-7.125");
    both(tvec2(3.0f, -4.5f), "3,-4.5");
    both(tvec4(0.25f, 0.5f, 1.0f, 0.0f), "0.25,0.5,1,0");

    const float speed = 1.5f;
    SerialOutput output;
    Serial::SetIndentation(6);
    META_POD<float>::Get().Serialize("Speed", &speed);
    EXPECT_EQ(output.Text(), "      Speed=1.5\n");
}
} // namespace
} // namespace Orvex
