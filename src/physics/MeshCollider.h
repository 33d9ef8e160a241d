#pragma once
// Any mesh of the library as a collision shape; "Square" when none is named.

#include "graphics/ResourceTraits.h"
#include "physics/BaseCollider.h"

namespace Orvex
{
class MeshCollider : public BaseCollider
{
    ORVEX_COMPONENT(MeshCollider)

    MeshCollider() : BaseCollider(ColliderType::Mesh) {}

protected:
    cMesh* InitialMesh() const override;
};
} // namespace Orvex
