#pragma once
// The narrow phase: two placed meshes tested edge against edge for outline
// crossings, then vertex against triangles for points inside the other shape.
//
// A contact means outlines crossing in two points or more; a shape wholly inside
// another has none and never collides, one meeting another in a single point
// only touches it. Lists stop at six entries: the count is checked
// before an entry is stored, and a full list ends the test with its message in
// overflow. A deep overlap is thus an error of that one pair, which the caller
// logs and skips, never a write past the list. Rejected: throwing it like the
// mesh-data error, which would end the game on one deep overlap.

#include <array>

#include "engine/Math.h"

namespace Orvex
{
class Entity;

struct ContactRecord
{
    static constexpr int maxEntries = 6; // per list

    int countA = 0;                        // A's vertices inside B
    int countB = 0;                        // B's vertices inside A
    std::array<int, maxEntries> insideA{-1}; // A's point indices, in point order
    std::array<int, maxEntries> insideB{-1}; // the same for B
    int crossingCount = 0;
    std::array<tvec2, maxEntries> crossings{}; // world coordinates, in the order found
    const char* overflow = nullptr; // set when a seventh entry was found; the test stopped
};

// Fills record for the shapes of a and b as their Transforms place them; true
// when the outlines cross in two points or more (each point recorded once). A
// seventh crossing sets overflow to "More than the maximum allowed collision
// points found.", a seventh inside vertex of one shape to "Too many mesh points
// found in collision"; both return false. Throws "Tried
// constructing a line of the same points." for a mesh edge of two equal points.
bool FindContact(const Entity& a, const Entity& b, ContactRecord& record);
} // namespace Orvex
