#pragma once
// The table through which data files name message types ("MSG_COLLISION" -> 9).

#include <cstdint>
#include <string>

namespace Orvex
{
// The number of a message name. An unknown name is entered with 0 and yields 0.
std::uint32_t LookupMessageType(const std::string& name);
} // namespace Orvex
