#pragma once
// The frame's drawables in draw order, cut into runs that share one draw call.
//
// Order: layer, then texture name, with no texture counting as texture 0. A run
// is a stretch of equal (layer, texture) and becomes one draw call, which is why
// the texture is the second key. Objects without a texture are never drawn;
// ordered as texture 0 they sit at the front of their layer and break no run.
// The sort is stable, so objects of one run keep the order of the entity table
// and overlapping sprites on one layer do not trade places between frames.
// Rejected: treating an object without a texture as equal to everything, which
// is no strict weak ordering (std::sort's behaviour is then undefined).

#include <cstddef>
#include <vector>

namespace Orvex
{
struct cMesh;
class GraphicsObject;

// The sort keys are copied from the object when it is collected: nothing changes
// them while the frame is drawn, and comparing them in the entry spares the sort
// a walk to every object and its texture.
struct DrawEntry
{
    DrawEntry(GraphicsObject* object, const cMesh* mesh);

    GraphicsObject* object;
    const cMesh* mesh; // drawn filled beneath the object's quad; null for none
    int layer;         // the object's layer
    unsigned texture;  // the object's texture (OpenGL name); 0 for none
};

// A stretch [begin, end) of the sorted list with one layer and one texture.
struct DrawRun
{
    unsigned texture = 0; // OpenGL texture name, never 0
    int layer = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
};

// True when a is drawn before b.
bool DrawsBefore(const DrawEntry& a, const DrawEntry& b);
void SortDrawList(std::vector<DrawEntry>& list);
// The runs of a sorted list, in order; entries without a texture belong to none.
// An empty list has no runs.
std::vector<DrawRun> PlanRuns(const std::vector<DrawEntry>& sorted);
} // namespace Orvex
