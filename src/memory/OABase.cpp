#include "memory/OABase.h"

namespace Orvex
{
OABase::~OABase() = default;
} // namespace Orvex
