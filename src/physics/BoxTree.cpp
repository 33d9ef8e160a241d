#include "physics/BoxTree.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace Orvex
{
namespace
{
constexpr float infinity = std::numeric_limits<float>::infinity();
// Overlaps no box of finite edges, and unions into anything unchanged.
constexpr ColliderBounds empty{infinity, -infinity, -infinity, infinity};

// A NaN edge wins, so a node above a NaN edge is never told apart along it, as its leaf is not.
float Lower(float a, float b) { return a < b || std::isnan(a) ? a : b; }
float Upper(float a, float b) { return a > b || std::isnan(a) ? a : b; }

ColliderBounds Union(const ColliderBounds& a, const ColliderBounds& b)
{
    return {Lower(a.minX, b.minX), Upper(a.maxX, b.maxX), Upper(a.maxY, b.maxY),
            Lower(a.minY, b.minY)};
}

// Sorting reads NaN as the far right, keeping the order strict.
float SortKey(const ColliderBounds& box) { return std::isnan(box.minX) ? infinity : box.minX; }
} // namespace

void BoxTree::Build(const std::vector<ColliderBounds>& boxes)
{
    count = boxes.size();
    firstLeaf = 1;
    while (firstLeaf < count)
        firstLeaf *= 2;
    boxAt.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        boxAt[i] = static_cast<std::uint32_t>(i);
    std::sort(boxAt.begin(), boxAt.end(), [&boxes](std::uint32_t a, std::uint32_t b) {
        const float left = SortKey(boxes[a]);
        const float right = SortKey(boxes[b]);
        return left < right || (left == right && a < b);
    });
    nodes.assign(2 * firstLeaf, empty);
    leafOf.resize(count);
    for (std::size_t leaf = 0; leaf < count; ++leaf)
    {
        leafOf[boxAt[leaf]] = static_cast<std::uint32_t>(firstLeaf + leaf);
        nodes[firstLeaf + leaf] = boxes[boxAt[leaf]];
    }
    for (std::size_t node = firstLeaf - 1; node >= 1; --node)
        Join(node);
}

void BoxTree::Refit(std::size_t index, const ColliderBounds& box)
{
    std::size_t node = leafOf[index];
    nodes[node] = box;
    for (node /= 2; node >= 1; node /= 2)
        Join(node);
}

void BoxTree::Join(std::size_t node) { nodes[node] = Union(nodes[2 * node], nodes[2 * node + 1]); }

void BoxTree::Overlapping(const ColliderBounds& box, std::vector<std::size_t>& found) const
{
    if (count == 0)
        return;
    // Depth first, so the stack never holds more than one node per level plus one.
    std::array<std::size_t, 2 * std::numeric_limits<std::size_t>::digits> stack;
    std::size_t depth = 0;
    stack[depth++] = 1;
    while (depth > 0)
    {
        const std::size_t node = stack[--depth];
        if (!BoundsOverlap(box, nodes[node]))
            continue;
        if (node < firstLeaf)
        {
            stack[depth++] = 2 * node + 1;
            stack[depth++] = 2 * node;
        }
        else if (node - firstLeaf < count) // an infinite box overlaps even the empty leaves
            found.push_back(boxAt[node - firstLeaf]);
    }
}
} // namespace Orvex
