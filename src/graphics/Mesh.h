#pragma once
// Small 2D polygons by name: points, the edges of the outline and the triangles of
// the interior, shared by collision and drawing.
//
// Mesh file (object file format):
//   Points:            Edges:          Faces:
//   {                  {               {
//     Center=0,0         0=0,1           0=0,1,2
//     0=-0.5,-0.5        1=1,2           1=0,2,3
//     ...                ...             ...
//   }                  }               }
// Each list runs from key "0" upwards and stops at the first key without a value.
// Every index is checked against the number of points when the file is read:
// collision and drawing index the point list without checks, so a bad index
// would read past it; likewise an edge whose two ends lie at the same place,
// which has no direction for a contact to push along. Rejected: clamping or
// dropping such entries, which would quietly change the shape.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Math.h"

namespace Orvex
{
class Deserializer;

struct cMesh
{
    using Face = std::array<std::uint32_t, 3>; // point indices, either winding
    using Edge = std::array<std::uint32_t, 2>; // point indices

    tvec2 center{0.0f, 0.0f};  // the file's "Center"; kept, not used by collision or drawing
    std::vector<tvec2> points; // local units; a mesh matching a sprite quad spans -0.5 to 0.5
    std::vector<Face> faces;
    std::vector<Edge> edges;
};

// Reads a parsed mesh file. Throws block + " not found in deserializer." for a
// missing "Points", "Edges" or "Faces" block, and "Error in a file: " + path
// followed by the block, key and reason for a point that is not two numbers, an
// index that is not a number or names no point, and an edge of no length.
cMesh ReadMesh(const Deserializer& file, const std::string& path);

// The mesh of that name, read from AssetPath("Meshes", name) on first request and
// kept until ShutdownMeshes. Throws "Could not find file: " + path when the file
// cannot be opened, and ReadMesh's errors; nothing is cached then.
cMesh* GetMesh(const std::string& name);
// The name a mesh was loaded under; empty for one that is not in the library.
std::string MeshName(const cMesh* mesh);
// Meshes the library holds (each a pool block kept until ShutdownMeshes).
std::size_t LoadedMeshCount();
// Destroys every mesh of the library. Pointers handed out before are dangling.
void ShutdownMeshes();
} // namespace Orvex
