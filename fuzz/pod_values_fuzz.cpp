// Any text as the value of every plain field type: reading either fills the value
// or refuses the text with ValueError, and what is read can be written again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/DataError.h"
#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "object/MetaPod.h"

namespace
{
template <class T> void ReadAndWrite(const Orvex::Deserializer& object)
{
    T value{};
    try
    {
        Orvex::META_POD<T>::Get().Deserialize("V", &value, object);
    }
    catch (const Orvex::ValueError&)
    {
    }
    Orvex::SerialOutput output;
    Orvex::META_POD<T>::Get().Serialize("V", &value);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Orvex::Deserializer object;
    object.SetValue("V", std::string(reinterpret_cast<const char*>(data), size));
    ReadAndWrite<std::string>(object);
    ReadAndWrite<float>(object);
    ReadAndWrite<int>(object);
    ReadAndWrite<unsigned>(object);
    ReadAndWrite<bool>(object);
    ReadAndWrite<Orvex::tvec2>(object);
    ReadAndWrite<Orvex::tvec4>(object);
    return 0;
}
