#include "physics/ContactRecord.h"

#include <algorithm>
#include <string>

#include "graphics/Mesh.h"
#include "physics/ColliderQueries.h"

namespace Orvex
{
namespace
{
struct Segment
{
    tvec2 from;
    tvec2 to;
};

float Cross(tvec2 a, tvec2 b) { return a.x * b.y - a.y * b.x; }

Segment PlacedEdge(const cMesh& mesh, const cMesh::Edge& edge, const tmat3& model)
{
    const tvec2 from = mesh.points[edge[0]];
    const tvec2 to = mesh.points[edge[1]];
    if (from == to)
        throw std::string("Tried constructing a line of the same points.");
    return {ToWorld(model, from), ToWorld(model, to)};
}

// False when the list was full. A point already recorded is not recorded again:
// outlines meeting in a vertex meet there once, though each of its two edges
// finds the point (a body carried exactly onto a corner is met so next frame).
bool AddCrossing(ContactRecord& record, tvec2 point)
{
    const auto end = record.crossings.begin() + record.crossingCount;
    if (std::find(record.crossings.begin(), end, point) != end)
        return true;
    if (record.crossingCount == ContactRecord::maxEntries)
    {
        record.overflow = "More than the maximum allowed collision points found.";
        return false;
    }
    record.crossings[record.crossingCount++] = point;
    return true;
}

// Records where p and r cross, ends included. Collinear edges record p's start
// (their overlap is not examined); other parallel edges record nothing. False
// when the list was full.
bool CrossEdges(const Segment& p, const Segment& r, ContactRecord& record)
{
    const tvec2 dA = p.to - p.from;
    const tvec2 dB = r.to - r.from;
    const tvec2 w = p.from - r.from;
    const float denom = Cross(dA, dB);
    const float tNum = Cross(dB, w);
    const float uNum = Cross(dA, w);
    if (denom == 0.0f)
        return tNum != 0.0f || uNum != 0.0f || AddCrossing(record, p.from);
    const float t = tNum / denom;
    const float u = uNum / denom;
    if (t < 0.0f || t > 1.0f || u < 0.0f || u > 1.0f)
        return true;
    return AddCrossing(record, p.from + t * dA);
}

bool CrossOutlines(const cMesh& meshA, const tmat3& modelA, const cMesh& meshB,
                   const tmat3& modelB, ContactRecord& record)
{
    for (const cMesh::Edge& edgeA : meshA.edges)
    {
        const Segment p = PlacedEdge(meshA, edgeA, modelA);
        for (const cMesh::Edge& edgeB : meshB.edges)
            if (!CrossEdges(p, PlacedEdge(meshB, edgeB, modelB), record))
                return false;
    }
    return true;
}

// Collects into inside the indices of mesh's points, placed by model, that lie
// inside other placed by otherModel; -1 when the list was full.
int CollectInside(const cMesh& mesh, const tmat3& model, const cMesh& other,
                  const tmat3& otherModel, std::array<int, ContactRecord::maxEntries>& inside)
{
    int count = 0;
    for (std::size_t i = 0; i < mesh.points.size(); ++i)
    {
        if (!PointInMesh(ToWorld(model, mesh.points[i]), other, otherModel))
            continue;
        if (count == ContactRecord::maxEntries)
            return -1;
        inside[static_cast<std::size_t>(count++)] = static_cast<int>(i);
    }
    return count;
}
} // namespace

bool FindContact(const Entity& a, const Entity& b, ContactRecord& record)
{
    const cMesh& meshA = ShapeOf(a);
    const cMesh& meshB = ShapeOf(b);
    const tmat3 modelA = ModelMatrixOf(a);
    const tmat3 modelB = ModelMatrixOf(b);
    // Outlines that meet in one point only touch there: nothing overlaps.
    if (!CrossOutlines(meshA, modelA, meshB, modelB, record) || record.crossingCount < 2)
        return false;
    record.countA = CollectInside(meshA, modelA, meshB, modelB, record.insideA);
    record.countB = CollectInside(meshB, modelB, meshA, modelA, record.insideB);
    if (record.countA < 0 || record.countB < 0)
    {
        record.overflow = "Too many mesh points found in collision";
        return false;
    }
    return true;
}
} // namespace Orvex
