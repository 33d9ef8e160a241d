#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "physics/BoxTree.h"

namespace Orvex
{
namespace
{
constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

// Edges on a grid of quarters, so that many boxes share an edge and merely touch.
ColliderBounds RandomBox(std::mt19937& random)
{
    std::uniform_int_distribution<int> corner(0, 160);
    std::uniform_int_distribution<int> size(0, 12);
    const float x = static_cast<float>(corner(random)) / 4.0f;
    const float y = static_cast<float>(corner(random) % 40) / 4.0f;
    return {x, x + static_cast<float>(size(random)) / 4.0f, y + static_cast<float>(size(random)) / 4.0f,
            y};
}

std::vector<std::size_t> Found(const BoxTree& tree, const ColliderBounds& box)
{
    std::vector<std::size_t> found;
    tree.Overlapping(box, found);
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::size_t> EveryOverlap(const std::vector<ColliderBounds>& boxes, const ColliderBounds& box)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (BoundsOverlap(box, boxes[i]))
            found.push_back(i);
    return found;
}

// Boxes of every count around the tree's powers of two, moved far and near
// after the build, some to NaN and infinite edges: the tree answers what a
// test of every box answers.
TEST(BoxTree, FindsWhatTestingEveryBoxFinds)
{
    std::mt19937 random(21);
    const ColliderBounds odd[] = {{nan, 1.0f, 1.0f, 0.0f},
                                  {0.0f, 1.0f, nan, 0.0f},
                                  {-infinity, infinity, infinity, -infinity},
                                  {3.0f, infinity, 2.0f, 1.0f}};
    for (const std::size_t count : {1u, 2u, 3u, 7u, 8u, 9u, 64u, 200u})
    {
        std::vector<ColliderBounds> boxes(count);
        for (ColliderBounds& box : boxes)
            box = RandomBox(random);
        BoxTree tree;
        tree.Build(boxes);
        for (int round = 0; round < 40; ++round)
        {
            const std::size_t moved = random() % count;
            boxes[moved] = round % 10 == 9 ? odd[random() % 4] : RandomBox(random);
            tree.Refit(moved, boxes[moved]);
            ASSERT_EQ(tree.Bounds(moved).minY, boxes[moved].minY);
            for (const ColliderBounds& query : {RandomBox(random), odd[round % 4]})
                ASSERT_EQ(Found(tree, query), EveryOverlap(boxes, query)) << count << " boxes, round " << round;
        }
    }
}

TEST(BoxTree, BuiltWithNaNOrEmptyAnswersWithoutFault)
{
    BoxTree tree;
    tree.Build({});
    EXPECT_TRUE(Found(tree, {0.0f, 1.0f, 1.0f, 0.0f}).empty());

    // A NaN left edge sorts to the far right and still meets the box near the left.
    tree.Build({{nan, 6.0f, 1.0f, 0.0f}, {5.0f, 6.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 1.0f, 0.0f}});
    EXPECT_EQ(Found(tree, {0.5f, 0.6f, 0.6f, 0.5f}), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(Found(tree, {nan, nan, nan, nan}), (std::vector<std::size_t>{0, 1, 2}));
}
} // namespace
} // namespace Orvex
