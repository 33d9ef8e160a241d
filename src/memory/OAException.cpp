#include "memory/OAException.h"

namespace Orvex
{
namespace
{
const char* MessageOf(OAException::ErrorCode code)
{
    switch (code)
    {
    case OAException::NoMemory:
        return "'new' call failed during page allocation.";
    case OAException::NoPages:
        return "Page limit reached: the pool may allocate no more pages.";
    case OAException::TooLarge:
        return "Requested size exceeds the pool's object size.";
    case OAException::DoubleFree:
        return "Block freed twice.";
    case OAException::BadAddress:
        return "Block not from this pool.";
    case OAException::CorruptedBlock:
        return "Block's pad bytes were overwritten.";
    }
    return "Unknown pool error.";
}
} // namespace

OAException::OAException(ErrorCode code) : code(code), message(MessageOf(code)) {}

OAException::~OAException() = default;

const char* OAException::what() const noexcept
{
    return message.c_str();
}
} // namespace Orvex
