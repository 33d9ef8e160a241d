#include "object/PodTraits.h"

#include "data/Deserializer.h"
#include "data/Serialization.h"

namespace Orvex
{
void PodTraits<std::string>::Serialize(const std::string& key, const std::string& value)
{
    Serial::WriteLine(key, value);
}

void PodTraits<std::string>::Deserialize(const std::string& key, std::string& value,
                                         const Deserializer& object)
{
    if (object.HasKey(key))
        value = object.GetString(key);
}

void PodTraits<float>::Serialize(const std::string& key, float value)
{
    Serial::WriteLine(key, Text::FormatFloat(value));
}

void PodTraits<float>::Deserialize(const std::string& key, float& value, const Deserializer& object)
{
    if (object.HasKey(key))
        value = Text::ParseFloat(object.GetString(key));
}

void PodTraits<int>::Serialize(const std::string& key, int value)
{
    Serial::WriteLine(key, std::to_string(value));
}

void PodTraits<int>::Deserialize(const std::string& key, int& value, const Deserializer& object)
{
    if (object.HasKey(key))
        value = Text::ParseInt(object.GetString(key));
}

void PodTraits<unsigned>::Serialize(const std::string& key, unsigned value)
{
    Serial::WriteLine(key, std::to_string(value));
}

void PodTraits<unsigned>::Deserialize(const std::string& key, unsigned& value,
                                      const Deserializer& object)
{
    if (object.HasKey(key))
        value = Text::ParseUnsigned(object.GetString(key));
}

void PodTraits<bool>::Serialize(const std::string& key, bool value)
{
    Serial::WriteLine(key, value ? "1" : "0");
}

void PodTraits<bool>::Deserialize(const std::string& key, bool& value, const Deserializer& object)
{
    object.GetBool(key, value);
}

void PodTraits<tvec2>::Serialize(const std::string& key, const tvec2& value)
{
    Serial::WriteLine(key, Text::FormatVec2(value));
}

void PodTraits<tvec2>::Deserialize(const std::string& key, tvec2& value, const Deserializer& object)
{
    object.GetVec2(key, value);
}

void PodTraits<tvec4>::Serialize(const std::string& key, const tvec4& value)
{
    Serial::WriteLine(key, Text::FormatVec4(value));
}

void PodTraits<tvec4>::Deserialize(const std::string& key, tvec4& value, const Deserializer& object)
{
    object.GetVec4(key, value);
}
} // namespace Orvex
