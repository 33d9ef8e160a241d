#include "graphics/DrawList.h"

#include <gtest/gtest.h>

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

TEST(DrawOrder, LowerLayersComeFirstWhateverTheEntityOrder)
{
    Drawables d;
    std::vector<DrawEntry> list = {d.Make(2, &rock), d.Make(1, &leaf), d.Make(-3, &rock)};
    SortDrawList(list);
    EXPECT_EQ(list[0].object->layer, -3);
    EXPECT_EQ(list[1].object->layer, 1);
    EXPECT_EQ(list[2].object->layer, 2);
}

TEST(DrawOrder, TextureIsTheSecondKeyAndEqualOnesKeepTheirOrder)
{
    Drawables d;
    const DrawEntry a = d.Make(0, &leaf);
    const DrawEntry b = d.Make(0, &rock);
    const DrawEntry c = d.Make(0, &leaf);
    const DrawEntry e = d.Make(0, &rock);
    std::vector<DrawEntry> list = {a, b, c, e};
    SortDrawList(list);
    EXPECT_EQ(list[0].object, b.object);
    EXPECT_EQ(list[1].object, e.object);
    EXPECT_EQ(list[2].object, a.object);
    EXPECT_EQ(list[3].object, c.object);
}

TEST(DrawOrder, NoTextureOrdersAsTextureZero)
{
    Drawables d;
    const DrawEntry none = d.Make(0, nullptr);
    const DrawEntry some = d.Make(0, &rock);
    EXPECT_FALSE(DrawsBefore(none, none));
    EXPECT_TRUE(DrawsBefore(none, some));
    EXPECT_FALSE(DrawsBefore(some, none));
    // Transitive across layers with untextured entries between.
    EXPECT_TRUE(DrawsBefore(d.Make(0, &leaf), d.Make(1, nullptr)));
}

TEST(DrawOrder, MixedListWithMissingTexturesSortsIntoOrder)
{
    Drawables d;
    cTexture* textures[] = {nullptr, &rock, &leaf};
    std::mt19937 random(5);
    std::vector<DrawEntry> list;
    for (int i = 0; i < 500; ++i)
        list.push_back(d.Make(static_cast<int>(random() % 4), textures[random() % 3]));
    SortDrawList(list);
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_FALSE(DrawsBefore(list[i], list[i - 1])) << i;
    // One run per (layer, texture) pair present: 4 layers x 2 textures.
    EXPECT_EQ(PlanRuns(list).size(), 8u);
}

TEST(DrawRuns, SameLayerAndTextureShareOneDrawCall)
{
    Drawables d;
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &rock)}), 1u);
}

TEST(DrawRuns, DifferentLayersOrTexturesTakeTwo)
{
    Drawables d;
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(1, &rock)}), 2u);
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &leaf)}), 2u);
}

TEST(DrawRuns, InterleavedEntitiesAreGatheredIntoRuns)
{
    Drawables d;
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &leaf), d.Make(0, &rock), d.Make(0, &leaf)}), 2u);
}

TEST(DrawRuns, RunsCoverOnlyTexturedEntries)
{
    Drawables d;
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

TEST(DrawRuns, EmptyOrUntexturedListHasNoRun)
{
    Drawables d;
    EXPECT_TRUE(PlanRuns({}).empty());
    EXPECT_EQ(Runs({d.Make(0, nullptr), d.Make(2, nullptr)}), 0u);
}
} // namespace
} // namespace Orvex
