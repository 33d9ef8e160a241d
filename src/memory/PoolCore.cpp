#include "memory/PoolCore.h"

namespace Orvex
{
void ZeroBytes(void* bytes, std::size_t count)
{
    std::memset(bytes, 0, count);
}
} // namespace Orvex
