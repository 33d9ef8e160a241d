// Arbitrary bytes through both flavours of the text data format, then every
// look-up on every object that came out. A std::string error and a value refused
// as not reading are fine answers; crashes, hangs and out-of-bounds reads are not.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "data/DataError.h"
#include "data/Deserializer.h"

namespace
{
void Visit(const Orvex::Deserializer& object)
{
    for (const auto& [key, value] : object.Values())
    {
        bool flag = false;
        Orvex::tvec2 pair(0.0f);
        Orvex::tvec4 quad(0.0f);
        object.GetBool(key, flag);
        try
        {
            object.GetVec2(key, pair);
            object.GetVec4(key, quad);
        }
        catch (const Orvex::ValueError&)
        {
        }
        if (object.GetString(key).size() != (object.HasKey(key) ? value.size() : 0))
            __builtin_trap();
        Orvex::Text::FormatVec4(quad);
    }
    for (const auto& [name, child] : object.Children())
        Visit(object.GetChild(name));
}

void ParseAndVisit(const std::string& text, Orvex::Deserializer::Flavour flavour)
{
    std::istringstream in(text);
    try
    {
        const Orvex::Deserializer file(in, "fuzz", flavour);
        Visit(file);
        file.GetChild("\x01 absent");
    }
    catch (const std::string&)
    {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ParseAndVisit(text, Orvex::Deserializer::ObjectFile);
    ParseAndVisit(text, Orvex::Deserializer::SectionFile);
    return 0;
}
