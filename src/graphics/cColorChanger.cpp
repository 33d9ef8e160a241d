#include "graphics/cColorChanger.h"

namespace Orvex
{
void PodTraits<cColorChanger>::Serialize(const std::string& key, const cColorChanger& value)
{
    PodTraits<tvec4>::Serialize(key, value.PerSecond());
}

void PodTraits<cColorChanger>::Deserialize(const std::string& key, cColorChanger& value,
                                           const Deserializer& object)
{
    tvec4 read = value.PerSecond();
    PodTraits<tvec4>::Deserialize(key, read, object);
    value = cColorChanger{read.r, read.g, read.b, read.a};
}
} // namespace Orvex
