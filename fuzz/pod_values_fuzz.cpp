// Any text as the value of every plain field type: reading either fills the value
// or raises a standard conversion error, and what is read can be written again.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

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
    catch (const std::invalid_argument&)
    {
    }
    catch (const std::out_of_range&)
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
