#include "graphics/Camera.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Camera)

ORVEX_MEMBERS(Camera) { ORVEX_FIELD(size, "Size"); }
} // namespace Orvex
