#pragma once
// Holds a mesh reference and nothing else; no engine code reads it.

#include "graphics/ResourceTraits.h"
#include "object/IComponent.h"

namespace Orvex
{
class MeshComponent : public IComponent
{
    ORVEX_COMPONENT(MeshComponent)

    cMesh* mesh = nullptr; // "Mesh"; from the mesh library, not owned
};
} // namespace Orvex
