#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Transform)

ORVEX_MEMBERS(Transform)
{
    ORVEX_FIELD(position, "Position");
    ORVEX_FIELD(scale, "Scale");
    ORVEX_FIELD(rotation, "Rotation");
}
} // namespace Orvex
