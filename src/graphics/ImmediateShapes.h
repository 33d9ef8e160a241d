#pragma once
// Untextured shapes drawn at once in OpenGL's fixed-function immediate mode:
// filled meshes beneath sprites and the debug overlay's lines. They are few, so
// they are transformed on the CPU and skip the batch. Points are given in some
// local space and mapped to device coordinates by toDevice (view x model).
// Nothing is drawn while graphics have not started.

#include <vector>

#include "engine/Math.h"

namespace Orvex
{
struct cMesh;

// One filled triangle per face of the mesh.
void DrawFilledMesh(const cMesh& mesh, const tmat3& toDevice, const tvec4& colour);
void DrawLine(tvec2 from, tvec2 to, const tmat3& toDevice, const tvec4& colour);
// The polygon through the points, back to the first.
void DrawClosedOutline(const std::vector<tvec2>& points, const tmat3& toDevice,
                       const tvec4& colour);
// A strip of triangles through points already in device coordinates.
void DrawTriangleStrip(const std::vector<tvec2>& points, const tvec4& colour);
} // namespace Orvex
