#include "graphics/ViewCulling.h"

#include <gtest/gtest.h>

#include "graphics/Camera.h"
#include "graphics/VertexStreams.h"

namespace Orvex
{
namespace
{
QuadValues QuadAt(tvec2 position, tvec2 scale = {1.0f, 1.0f}, tvec2 offset = {0.0f, 0.0f})
{
    return QuadValues{tvec4(1.0f), position, 0.0f, scale, offset};
}

struct CullCase
{
    const char* what;
    tvec2 camera;
    float rotation, size, aspect, margin;
    tvec2 parallax;
    QuadValues quad;
    bool culled;
};

TEST(ViewCulling, KeepsWhatReachesIntoTheViewAndDropsWhatLiesBeyond)
{
    const tvec2 o{0.0f, 0.0f}, unit{1.0f, 1.0f}, half{0.5f, 0.5f}, small{0.2f, 0.2f};
    const float wide = 16.0f / 9.0f; // 17.78 x 10 visible at size 10
    const CullCase cases[] = {
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
    for (const CullCase& c : cases)
    {
        const CullView view = MakeCullView(c.camera, c.rotation, VisibleExtent(c.size, c.aspect), c.margin);
        EXPECT_EQ(IsCulled(view, c.parallax, c.quad), c.culled) << c.what;
    }
}
} // namespace
} // namespace Orvex
