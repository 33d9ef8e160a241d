#include "memory/BlockHeader.h"

#include "memory/OAException.h"

namespace Orvex
{
void BlockHeader::RejectFree(std::uint32_t size, std::uint8_t flags)
{
    if (size == 0 && flags == 0)
        throw OAException(OAException::DoubleFree);
    throw OAException(OAException::BadAddress);
}
} // namespace Orvex
