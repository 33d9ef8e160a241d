#include "graphics/DrawList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "graphics/GraphicsObject.h"
#include "graphics/cTexture.h"

namespace Orvex
{
namespace
{
// Drawables that only carry a layer and a texture.
class Drawables
{
public:
    DrawEntry Make(int layer, cTexture* texture)
    {
        objects.emplace_back();
        objects.back().layer = layer;
        objects.back().texture = texture;
        return DrawEntry{&objects.back(), nullptr};
    }

private:
    std::deque<GraphicsObject> objects;
};

cTexture rock{3, 8, 8};
cTexture leaf{7, 8, 8};

std::size_t Runs(std::vector<DrawEntry> list)
{
    SortDrawList(list);
    return PlanRuns(list).size();
}

TEST(DrawOrder, NoTextureOrdersAsTextureZero)
{
    Drawables d;
    const DrawEntry none = d.Make(0, nullptr);
    const DrawEntry some = d.Make(0, &rock);
    EXPECT_FALSE(DrawsBefore(none, none));
    EXPECT_TRUE(DrawsBefore(none, some));
    EXPECT_FALSE(DrawsBefore(some, none));
    EXPECT_TRUE(DrawsBefore(d.Make(0, &leaf), d.Make(1, nullptr)));
    // A mixed list sorts into an order, equal ones in the order they came (entity
    // order decides which of two same-layer sprites covers), and one run per
    // (layer, texture) present.
    cTexture* textures[] = {nullptr, &rock, &leaf};
    std::mt19937 random(5);
    std::vector<DrawEntry> list;
    for (int i = 0; i < 500; ++i)
        list.push_back(d.Make(static_cast<int>(random() % 4), textures[random() % 3]));
    const std::vector<DrawEntry> unsorted = list;
    const auto arrival = [&](const DrawEntry& entry) {
        return std::find_if(unsorted.begin(), unsorted.end(),
                            [&](const DrawEntry& e) { return e.object == entry.object; });
    };
    SortDrawList(list);
    for (std::size_t i = 1; i < list.size(); ++i)
    {
        EXPECT_FALSE(DrawsBefore(list[i], list[i - 1])) << i;
        if (!DrawsBefore(list[i - 1], list[i]))
        {
            EXPECT_LT(arrival(list[i - 1]), arrival(list[i])) << i;
        }
    }
    EXPECT_EQ(PlanRuns(list).size(), 8u); // 4 layers x 2 textures
}

TEST(DrawRuns, OneRunPerLayerAndTextureAndNoneForUntexturedEntries)
{
    Drawables d;
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &rock)}), 1u);
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(1, &rock)}), 2u);
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &leaf)}), 2u);
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &leaf), d.Make(0, &rock), d.Make(0, &leaf)}), 2u);
    EXPECT_EQ(Runs({d.Make(0, nullptr), d.Make(2, nullptr)}), 0u);
    EXPECT_TRUE(PlanRuns({}).empty());
    std::vector<DrawEntry> list = {d.Make(0, &rock), d.Make(0, nullptr), d.Make(1, nullptr),
                                   d.Make(1, &rock)};
    SortDrawList(list);
    const std::vector<DrawRun> runs = PlanRuns(list);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].texture, rock.name);
    EXPECT_EQ(runs[0].end - runs[0].begin, 1u);
    EXPECT_EQ(runs[1].layer, 1);
    EXPECT_EQ(list[runs[1].begin].object->texture, &rock);
}
} // namespace
} // namespace Orvex
