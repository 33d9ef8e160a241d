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

TEST(PodRecords, CreateMakesDefaultValues)
{
    const META_BASE& text = META_POD<std::string>::Get();
    void* made = text.Create();
    EXPECT_EQ(*static_cast<std::string*>(made), "");
    text.Destroy(made);

    const META_BASE& vector = META_POD<tvec4>::Get();
    made = vector.Create();
    EXPECT_EQ(*static_cast<tvec4*>(made), tvec4(0.0f));
    vector.Destroy(made);

    const META_BASE& flag = META_POD<bool>::Get();
    made = flag.Create();
    EXPECT_FALSE(*static_cast<bool*>(made));
    flag.Destroy(made);
}

TEST(PodDeserialize, AbsentOrEmptyKeyKeepsThePreviousValue)
{
    float speed = 2.5f;
    Read("", speed);
    EXPECT_EQ(speed, 2.5f);
    std::string label = "kept";
    Read("", label);
    EXPECT_EQ(label, "kept");
    tvec2 position(4.0f, 5.0f);
    Read("", position);
    EXPECT_EQ(position, tvec2(4.0f, 5.0f));

    Deserializer object;
    int count = 9;
    META_POD<int>::Get().Deserialize("Missing", &count, object);
    EXPECT_EQ(count, 9);
}

// The reasons name the text; the loaders add the file, object and key.
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
    EXPECT_EQ(refusal(tvec4(1.0f), ""), ""); // absent, not refused
    EXPECT_EQ(refusal(tvec4(1.0f), std::string(100, 'z')),
              "'" + std::string(60, 'z') + "...' is not four numbers");
}

TEST(PodSerialize, OneIndentedKeyValueLine)
{
    EXPECT_EQ(Written(std::string("two words")), "V=two words\n");
    EXPECT_EQ(Written(-42), "V=-42\n");
    EXPECT_EQ(Written(4294967295u), "V=4294967295\n");
    EXPECT_EQ(Written(true), "V=1\n");
    EXPECT_EQ(Written(false), "V=0\n");
    EXPECT_EQ(Written(tvec2(3.0f, -4.5f)), "V=3,-4.5\n");
    EXPECT_EQ(Written(tvec4(0.25f, 0.5f, 1.0f, 0.0f)), "V=0.25,0.5,1,0\n");

    const float speed = 1.5f;
    SerialOutput output;
    Serial::SetIndentation(6);
    META_POD<float>::Get().Serialize("Speed", &speed);
    EXPECT_EQ(output.Text(), "      Speed=1.5\n");
}

TEST(PodRoundTrip, WrittenValuesReadBackEqual)
{
    auto lineValue = [](const std::string& line) { return line.substr(2, line.size() - 3); };
    EXPECT_EQ(Read<float>(lineValue(Written(-7.125f))), -7.125f);
    EXPECT_EQ(Read<int>(lineValue(Written(-2147483647 - 1))), -2147483647 - 1);
    EXPECT_EQ(Read<unsigned>(lineValue(Written(123u))), 123u);
    EXPECT_EQ(Read<bool>(lineValue(Written(true))), true);
    EXPECT_EQ(Read<tvec2>(lineValue(Written(tvec2(1.5f, -2.0f)))), tvec2(1.5f, -2.0f));
    EXPECT_EQ(Read<tvec4>(lineValue(Written(tvec4(1, 2, 3, 4)))), tvec4(1, 2, 3, 4));
    EXPECT_EQ(Read<std::string>(lineValue(Written(std::string("a=b")))), "a=b");
}

TEST(PodCopy, CopiesOntoTheTarget)
{
    const std::string from = "source";
    std::string to = "target";
    META_POD<std::string>::Get().Copy(&from, &to);
    EXPECT_EQ(to, "source");
}
} // namespace
} // namespace Orvex
