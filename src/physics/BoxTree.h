#pragma once
// The collision pass's broad phase: which colliders' boxes overlap a given box.
//
// The boxes sit in a balanced binary tree over their order by left edge, every
// node holding the union of the boxes below it, so a question costs about
// log n plus its answer instead of n. A box that moves is refitted in place (its
// leaf and the unions above it); the tree is not re-sorted, so answers stay exact
// and only slow down as boxes drift far from where they were sorted, which a
// pass never lets them do. The overlap test is BoundsOverlap's: touching boxes
// overlap, and a NaN edge separates from nothing.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "physics/ColliderQueries.h"

namespace Orvex
{
class BoxTree
{
public:
    // Replaces every box; box i is answered as index i. Allocates only to grow.
    void Build(const std::vector<ColliderBounds>& boxes);
    // Box index now stands at box.
    void Refit(std::size_t index, const ColliderBounds& box);
    const ColliderBounds& Bounds(std::size_t index) const { return nodes[leafOf[index]]; }
    std::size_t Size() const { return count; }
    // Appends the index of every box overlapping box, in no particular order.
    void Overlapping(const ColliderBounds& box, std::vector<std::size_t>& found) const;

private:
    void Join(std::size_t node);

    std::size_t count = 0;
    std::size_t firstLeaf = 1;            // a power of two; node i has children 2i and 2i + 1
    std::vector<ColliderBounds> nodes;    // [1, 2 × firstLeaf); leaves past count are empty
    std::vector<std::uint32_t> boxAt;     // box index of each leaf in left-edge order
    std::vector<std::uint32_t> leafOf;    // node of each box index
};
} // namespace Orvex
