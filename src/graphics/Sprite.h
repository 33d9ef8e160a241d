#pragma once
// A texture on a quad, and optionally the entity's mesh beneath it as a filled
// polygon in the entity's colour.

#include "graphics/GraphicsObject.h"

namespace Orvex
{
class Sprite : public GraphicsObject
{
    ORVEX_COMPONENT(Sprite)

    // Needs a Transform and a Color; takes the "Default" texture and the
    // "Square" mesh when none was given.
    void Init() override;
    const cMesh* DrawnMesh() const override { return drawMesh ? mesh : nullptr; }

    cMesh* mesh = nullptr; // "Mesh": from the mesh library, not owned
    bool drawMesh = true;  // "DrawMesh": fill the mesh beneath the quad
};
} // namespace Orvex
