#include "graphics/MeshComponent.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(MeshComponent)

ORVEX_MEMBERS(MeshComponent)
{
    ORVEX_FIELD(mesh, "Mesh");
}
} // namespace Orvex
