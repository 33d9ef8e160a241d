#include "graphics/ImageCover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Orvex
{
namespace
{
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

TEST(ImageCover, BoundsKeepATexelAroundWhatShowsAndOpaqueNeedsEveryPixelFull)
{
    struct Case
    {
        std::string name;
        Image image;
        tvec2 low, high;
        bool opaque;
    };
    const Case cases[] = {
        {"fully clear", Image(8, 4), {0.0f, 0.0f}, {0.0f, 0.0f}, false},
        {"fully opaque", Image(8, 4, 255), {0.0f, 0.0f}, {1.0f, 1.0f}, true},
        {"one faint pixel", Image(8, 4).Paint(4, 2, 1), {3 / 8.0f, 1 / 4.0f}, {6 / 8.0f, 4 / 4.0f}, false},
        {"two corners", Image(8, 8).Paint(2, 1, 255).Paint(5, 6, 40), {1 / 8.0f, 0.0f}, {7 / 8.0f, 1.0f}, false},
        {"at the edges", Image(8, 4).Paint(0, 0, 255).Paint(7, 3, 255), {0.0f, 0.0f}, {1.0f, 1.0f}, false},
        {"opaque but one clear pixel", Image(4, 4, 255).Paint(3, 3, 0), {0.0f, 0.0f}, {1.0f, 1.0f}, false},
        {"opaque but one nearly full", Image(4, 4, 255).Paint(0, 0, 254), {0.0f, 0.0f}, {1.0f, 1.0f}, false},
    };
    for (const Case& c : cases)
    {
        const ImageCover cover = MeasureCover(c.image.bytes.data(), c.image.width, c.image.height, 4);
        EXPECT_EQ(cover.low, c.low) << c.name;
        EXPECT_EQ(cover.high, c.high) << c.name;
        EXPECT_EQ(cover.opaque, c.opaque) << c.name;
    }
}

TEST(ImageCover, ImagesWithoutAlphaAreOpaqueAndEmptyOnesShowNothing)
{
    const std::vector<unsigned char> rgb(2 * 2 * 3, 0);
    const ImageCover solid = MeasureCover(rgb.data(), 2, 2, 3);
    EXPECT_TRUE(solid.opaque);
    EXPECT_EQ(solid.high, tvec2(1.0f));
    const ImageCover empty = MeasureCover(nullptr, 0, 5, 4);
    EXPECT_FALSE(empty.opaque);
    EXPECT_EQ(empty.low, empty.high);
}
} // namespace
} // namespace Orvex
