#include "physics/MeshCollider.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(MeshCollider)

ORVEX_MEMBERS(MeshCollider)
{
    ORVEX_FIELD(mesh, "Mesh");
    ORVEX_FIELD(ghost, "Ghost");
}

cMesh* MeshCollider::InitialMesh() const { return mesh ? mesh : GetMesh("Square"); }
} // namespace Orvex
