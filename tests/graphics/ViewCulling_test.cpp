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

// A camera of size 10 at the origin on a 16:9 window: 17.78 x 10 visible, no margin.
CullView Landscape() { return MakeCullView({0.0f, 0.0f}, 0.0f, VisibleExtent(10.0f, 16.0f / 9.0f), 1.0f); }

TEST(ViewCulling, KeepsWhatTouchesTheViewAndDropsWhatLiesBeyond)
{
    const CullView view = Landscape();
    const tvec2 unit(1.0f);
    EXPECT_FALSE(IsCulled(view, unit, QuadAt({0.0f, 0.0f})));
    // Half width 8.89: a radius-1 object at x = 9.8 still reaches in, at 9.95 not.
    EXPECT_FALSE(IsCulled(view, unit, QuadAt({9.8f, 0.0f})));
    EXPECT_TRUE(IsCulled(view, unit, QuadAt({9.95f, 0.0f})));
    EXPECT_FALSE(IsCulled(view, unit, QuadAt({0.0f, -5.9f})));
    EXPECT_TRUE(IsCulled(view, unit, QuadAt({0.0f, -6.1f})));
}

TEST(ViewCulling, MarginWidensTheView)
{
    const CullView view = MakeCullView({0.0f, 0.0f}, 0.0f, VisibleExtent(10.0f, 16.0f / 9.0f), 1.05f);
    // Half height 5 * 1.05 = 5.25, plus radius 1.
    EXPECT_FALSE(IsCulled(view, tvec2(1.0f), QuadAt({0.0f, 6.2f})));
    EXPECT_TRUE(IsCulled(view, tvec2(1.0f), QuadAt({0.0f, 6.3f})));
}

TEST(ViewCulling, NegativeSizeFlipsButCullsNothingVisible)
{
    const CullView view = MakeCullView({0.0f, 0.0f}, 0.0f, VisibleExtent(-10.0f, 16.0f / 9.0f), 1.05f);
    EXPECT_FALSE(IsCulled(view, tvec2(1.0f), QuadAt({0.0f, 0.0f})));
    EXPECT_FALSE(IsCulled(view, tvec2(1.0f), QuadAt({8.0f, 4.0f})));
    EXPECT_TRUE(IsCulled(view, tvec2(1.0f), QuadAt({30.0f, 0.0f})));
}

TEST(ViewCulling, PortraitWindowShowsSizeAcrossAndMoreUpwards)
{
    // 600 x 800: 10 wide, 13.33 high.
    const CullView view = MakeCullView({0.0f, 0.0f}, 0.0f, VisibleExtent(10.0f, 0.75f), 1.0f);
    EXPECT_FALSE(IsCulled(view, tvec2(1.0f), QuadAt({0.0f, 7.1f}, {0.5f, 0.5f})));
    EXPECT_TRUE(IsCulled(view, tvec2(1.0f), QuadAt({0.0f, 7.2f + 0.5f}, {0.5f, 0.5f})));
    EXPECT_TRUE(IsCulled(view, tvec2(1.0f), QuadAt({5.6f, 0.0f}, {0.5f, 0.5f})));
}

TEST(ViewCulling, ParallaxCentresTheViewOnTheScaledCameraPosition)
{
    const CullView view = MakeCullView({40.0f, 0.0f}, 0.0f, VisibleExtent(10.0f, 1.0f), 1.0f);
    // With parallax 0.5 the object sees the camera at x = 20.
    EXPECT_FALSE(IsCulled(view, {0.5f, 0.5f}, QuadAt({20.0f, 0.0f})));
    EXPECT_TRUE(IsCulled(view, {0.5f, 0.5f}, QuadAt({40.0f, 0.0f})));
    EXPECT_FALSE(IsCulled(view, {1.0f, 1.0f}, QuadAt({40.0f, 0.0f})));
    EXPECT_FALSE(IsCulled(view, {0.0f, 0.0f}, QuadAt({0.0f, 0.0f})));
}

TEST(ViewCulling, RotatedCameraKeepsWhatItsCornersShow)
{
    // Square view 10 x 10 turned by 45 degrees: its corner points along +x, 7.07 out.
    const CullView view = MakeCullView({0.0f, 0.0f}, 0.78539816f, VisibleExtent(10.0f, 1.0f), 1.0f);
    EXPECT_FALSE(IsCulled(view, tvec2(1.0f), QuadAt({7.0f, 0.0f}, {0.2f, 0.2f})));
    // And the old corner direction is now beside an edge.
    EXPECT_TRUE(IsCulled(view, tvec2(1.0f), QuadAt({5.0f, 5.0f}, {0.2f, 0.2f})));
}

TEST(ViewCulling, LocalOffsetWidensTheReach)
{
    const CullView view = Landscape();
    // The quad lies 3 units right of its origin: origin outside, quad inside.
    EXPECT_FALSE(IsCulled(view, tvec2(1.0f), QuadAt({-11.0f, 0.0f}, {1.0f, 1.0f}, {3.0f, 0.0f})));
    EXPECT_TRUE(IsCulled(view, tvec2(1.0f), QuadAt({-11.0f, 0.0f})));
}
} // namespace
} // namespace Orvex
