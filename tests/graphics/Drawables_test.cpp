// What a frame makes of its drawables before OpenGL sees them: the part of an
// image that shows, one quad per object, what the camera culls and the order.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "TestScene.h"
#include "graphics/DrawList.h"
#include "graphics/ImageCover.h"
#include "graphics/SceneView.h"
#include "graphics/ViewCulling.h"

namespace Orvex
{
namespace
{
using Attr = ShaderProgram::Attribute;

// An RGBA image of width x height, clear (alpha 0) but where painted.
struct Image
{
    Image(int width, int height, unsigned char alpha = 0)
        : width(width), height(height), bytes(static_cast<std::size_t>(width) * height * 4, alpha)
    {
    }
    Image& Paint(int x, int y, unsigned char alpha)
    {
        bytes[(static_cast<std::size_t>(y) * width + x) * 4 + 3] = alpha;
        return *this;
    }
    int width, height;
    std::vector<unsigned char> bytes;
};

// Images without alpha are opaque; empty ones show nothing.
TEST(ImageCover, BoundsKeepATexelAroundWhatShowsAndOpaqueNeedsEveryPixelFull)
{
    const struct
    {
        std::string name;
        Image image;
        int channels;
        tvec2 low, high;
        bool opaque;
    } cases[] = {
        {"fully clear", Image(8, 4), 4, {0.0f, 0.0f}, {0.0f, 0.0f}, false},
        {"fully opaque", Image(8, 4, 255), 4, {0.0f, 0.0f}, {1.0f, 1.0f}, true},
        {"one faint pixel", Image(8, 4).Paint(4, 2, 1), 4, {3 / 8.0f, 1 / 4.0f}, {6 / 8.0f, 4 / 4.0f}, false},
        {"two corners", Image(8, 8).Paint(2, 1, 255).Paint(5, 6, 40), 4, {1 / 8.0f, 0.0f}, {7 / 8.0f, 1.0f}, false},
        {"at the edges", Image(8, 4).Paint(0, 0, 255).Paint(7, 3, 255), 4, {0.0f, 0.0f}, {1.0f, 1.0f}, false},
        {"opaque but one clear pixel", Image(4, 4, 255).Paint(3, 3, 0), 4, {0.0f, 0.0f}, {1.0f, 1.0f}, false},
        {"opaque but one nearly full", Image(4, 4, 255).Paint(0, 0, 254), 4, {0.0f, 0.0f}, {1.0f, 1.0f}, false},
        {"no alpha", Image(2, 2), 3, {0.0f, 0.0f}, {1.0f, 1.0f}, true},
        {"no pixels", Image(0, 5), 4, {0.0f, 0.0f}, {0.0f, 0.0f}, false},
    };
    for (const auto& c : cases)
    {
        const ImageCover cover = MeasureCover(c.image.bytes.data(), c.image.width, c.image.height, c.channels);
        EXPECT_EQ(cover.low, c.low) << c.name;
        EXPECT_EQ(cover.high, c.high) << c.name;
        EXPECT_EQ(cover.opaque, c.opaque) << c.name;
    }
}

cTexture plain{1, 4, 4};

// Rebuilt every frame, not accumulated; without a Color (in the editor) white,
// without a Transform nothing.
TEST(SpriteQuad, TakesTheEntitysColourAndTransform)
{
    TestScene scene;
    Sprite* sprite = scene.AddSprite("box", {2.0f, 3.0f}, &plain);
    sprite->owner->Get<Color>()->color = {1.0f, 0.0f, 0.5f, 0.25f};
    sprite->owner->Get<Transform>()->rotation = 0.5f;
    sprite->offset = {0.5f, 0.0f};
    sprite->PrepareFrame(nullptr, 1.0f);
    sprite->PrepareFrame(nullptr, 1.0f);
    ASSERT_EQ(sprite->streams.QuadCount(), 1u);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Colour][2], 0.5f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Position][1], 3.0f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Rotation][5], 0.5f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Offset][0], 0.5f);

    Entity* bare = New<Entity>("bare");
    scene.AddEntity(bare);
    Sprite* unplaced = bare->Add<Sprite>();
    unplaced->PrepareFrame(nullptr, 1.0f);
    EXPECT_EQ(unplaced->streams.VertexCount(), 0u);
    bare->Add<Transform>();
    unplaced->PrepareFrame(nullptr, 1.0f);
    ASSERT_EQ(unplaced->streams.QuadCount(), 1u);
    EXPECT_FLOAT_EQ(unplaced->streams[Attr::Colour][0], 1.0f);
}

// On screen: 0.4 device units of 1280 pixels against 0.4 of 640 at aspect 2, the
// same pixels both ways as 0.8 by 0.4 units were meant on a square window.
TEST(SpriteQuad, AspectScalingDividesTheXScaleByAKnownAspect)
{
    TestScene scene;
    Sprite* sprite = scene.AddSprite("title", {0.0f, 0.0f}, &plain);
    sprite->owner->Get<Transform>()->scale = {0.8f, 0.4f};
    sprite->aspectScaling = true;
    sprite->PrepareFrame(nullptr, 2.0f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Scale][0], 0.4f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Scale][1], 0.4f);
    EXPECT_EQ(sprite->DrawnScale({3.0f, 1.0f}, 0.0f), tvec2(3.0f, 1.0f));
    sprite->aspectScaling = false;
    sprite->PrepareFrame(nullptr, 2.0f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Scale][0], 0.8f);
}

QuadValues QuadAt(tvec2 position, tvec2 scale = {1.0f, 1.0f}, tvec2 offset = {0.0f, 0.0f})
{
    return QuadValues{tvec4(1.0f), position, 0.0f, scale, offset};
}

TEST(ViewCulling, KeepsWhatReachesIntoTheViewAndDropsWhatLiesBeyond)
{
    const tvec2 o{0.0f, 0.0f}, unit{1.0f, 1.0f}, half{0.5f, 0.5f}, small{0.2f, 0.2f};
    const float wide = 16.0f / 9.0f; // 17.78 x 10 visible at size 10
    const struct
    {
        const char* what;
        tvec2 camera;
        float rotation, size, aspect, margin;
        tvec2 parallax;
        QuadValues quad;
        bool culled;
    } cases[] = {
        {"centre", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({0.0f, 0.0f}), false},
        {"radius 1 reaches past x 8.89", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({9.8f, 0.0f}), false},
        {"beyond the right", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({9.95f, 0.0f}), true},
        {"reaches the bottom", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({0.0f, -5.9f}), false},
        {"below the bottom", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({0.0f, -6.1f}), true},
        {"margin 1.05 widens", o, 0.0f, 10.0f, wide, 1.05f, unit, QuadAt({0.0f, 6.2f}), false},
        {"past the margin", o, 0.0f, 10.0f, wide, 1.05f, unit, QuadAt({0.0f, 6.3f}), true},
        {"negative size flips", o, 0.0f, -10.0f, wide, 1.05f, unit, QuadAt({8.0f, 4.0f}), false},
        {"negative size still culls", o, 0.0f, -10.0f, wide, 1.05f, unit, QuadAt({30.0f, 0.0f}), true},
        {"portrait: more upwards", o, 0.0f, 10.0f, 0.75f, 1.0f, unit, QuadAt({0.0f, 7.1f}, half), false},
        {"portrait: above", o, 0.0f, 10.0f, 0.75f, 1.0f, unit, QuadAt({0.0f, 7.7f}, half), true},
        {"portrait: size across", o, 0.0f, 10.0f, 0.75f, 1.0f, unit, QuadAt({5.6f, 0.0f}, half), true},
        {"parallax halves the camera", {40.0f, 0.0f}, 0.0f, 10.0f, 1.0f, 1.0f, half, QuadAt({20.0f, 0.0f}), false},
        {"parallax: not at the camera", {40.0f, 0.0f}, 0.0f, 10.0f, 1.0f, 1.0f, half, QuadAt({40.0f, 0.0f}), true},
        {"parallax 0 sees the origin", {40.0f, 0.0f}, 0.0f, 10.0f, 1.0f, 1.0f, tvec2(0.0f), QuadAt(o), false},
        {"turned 45 degrees: corner along x", o, 0.78539816f, 10.0f, 1.0f, 1.0f, unit, QuadAt({7.0f, 0.0f}, small), false},
        {"turned: old corner beside an edge", o, 0.78539816f, 10.0f, 1.0f, 1.0f, unit, QuadAt({5.0f, 5.0f}, small), true},
        {"local offset reaches in", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({-11.0f, 0.0f}, unit, {3.0f, 0.0f}), false},
        {"no offset: outside", o, 0.0f, 10.0f, wide, 1.0f, unit, QuadAt({-11.0f, 0.0f}), true},
    };
    for (const auto& c : cases)
    {
        const CullView view = MakeCullView(c.camera, c.rotation, VisibleExtent(c.size, c.aspect), c.margin);
        EXPECT_EQ(IsCulled(view, c.parallax, c.quad), c.culled) << c.what;
    }
}

// Without a camera world units are device units and nothing is culled; with one
// a parallax of a half scrolls at half the camera's speed, culled by its margin.
TEST(SceneView, ParallaxHalfScrollsAtHalfTheCameraSpeed)
{
    Window::ResizeWindow(1280, 720);
    TestScene scene;
    Sprite* near = scene.AddSprite("near", {0.0f, 0.0f}, &plain);
    Sprite* far = scene.AddSprite("far", {0.0f, 0.0f}, &plain);
    far->parallax = {0.5f, 0.5f};
    EXPECT_EQ(SceneView(scene).Cull(), nullptr);
    EXPECT_EQ(SceneView(scene).ViewFor(*far), tmat3(1.0f));
    scene.AddCamera({20.0f, 8.0f}, 10.0f);
    const SceneView view(scene);
    EXPECT_EQ(Apply(view.ViewFor(*near), {20.0f, 8.0f}), tvec2(0.0f, 0.0f));
    EXPECT_EQ(Apply(view.ViewFor(*far), {10.0f, 4.0f}), tvec2(0.0f, 0.0f));
    EXPECT_NEAR(Apply(view.ViewFor(*far), {10.0f, 9.0f}).y, 1.0f, 1e-5f); // 10 high: 5 up is the top
    ASSERT_NE(view.Cull(), nullptr);
    EXPECT_EQ(view.Cull()->centre, tvec2(20.0f, 8.0f));
    EXPECT_NEAR(view.Cull()->halfExtent.y, 5.0f * 1.05f, 1e-5f);
}

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

// Layer first, then texture with none as texture 0; equal ones keep the order
// they came in (entity order decides which of two same-layer sprites covers).
TEST(DrawList, SortsByLayerThenTextureKeepingTheOrderOfEquals)
{
    Drawables d;
    EXPECT_TRUE(DrawsBefore(d.Make(0, nullptr), d.Make(0, &rock)));
    EXPECT_FALSE(DrawsBefore(d.Make(0, &rock), d.Make(0, nullptr)));
    EXPECT_TRUE(DrawsBefore(d.Make(0, &leaf), d.Make(1, nullptr)));
    cTexture* textures[] = {nullptr, &rock, &leaf};
    std::mt19937 random(5);
    std::vector<DrawEntry> list;
    for (int i = 0; i < 500; ++i)
        list.push_back(d.Make(static_cast<int>(random() % 4), textures[random() % 3]));
    const std::vector<DrawEntry> unsorted = list;
    const auto arrival = [&](const DrawEntry& entry)
    {
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

std::vector<DrawRun> Runs(std::vector<DrawEntry> list)
{
    SortDrawList(list);
    return PlanRuns(list);
}

TEST(DrawList, OneRunPerLayerAndTextureAndNoneForUntexturedEntries)
{
    Drawables d;
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &rock)}).size(), 1u);
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(1, &rock)}).size(), 2u);
    EXPECT_EQ(Runs({d.Make(0, &rock), d.Make(0, &leaf), d.Make(0, &rock), d.Make(0, &leaf)}).size(), 2u);
    EXPECT_TRUE(Runs({d.Make(0, nullptr), d.Make(2, nullptr)}).empty());
    const std::vector<DrawRun> runs = Runs({d.Make(0, &rock), d.Make(0, nullptr), d.Make(1, nullptr), d.Make(1, &rock)});
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].texture, rock.name);
    EXPECT_EQ(runs[0].begin, 1u);
    EXPECT_EQ(runs[0].end, 2u);
    EXPECT_EQ(runs[1].layer, 1);
    EXPECT_EQ(runs[1].begin, 3u);
}
} // namespace
} // namespace Orvex
