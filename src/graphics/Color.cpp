#include "graphics/Color.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Color)

ORVEX_MEMBERS(Color) { ORVEX_FIELD(color, "color"); }
} // namespace Orvex
