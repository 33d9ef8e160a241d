#include "physics/BoxCollider.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(BoxCollider)

ORVEX_MEMBERS(BoxCollider)
{
    ORVEX_FIELD(ghost, "Ghost");
}

cMesh* BoxCollider::InitialMesh() const { return GetMesh("Square"); }
} // namespace Orvex
