#include "graphics/ImageCover.h"

#include <algorithm>
#include <cstddef>

namespace Orvex
{
namespace
{
constexpr int Channels = 4;  // RGBA: alpha is the last byte of a pixel
constexpr int Reach = 1;     // texels kept beyond the last visible one on each side

bool AllOpaque(const unsigned char* rgba, std::size_t pixels)
{
    for (std::size_t i = 0; i < pixels; ++i)
        if (rgba[i * Channels + 3] != 255)
            return false;
    return true;
}

// Columns [first, last] and rows [top, bottom] that hold a visible pixel.
struct Visible
{
    int first, last, top, bottom;
};

// A row is searched from the left up to its first visible pixel, and from the
// right only as far as the last column found so far.
Visible VisiblePixels(const unsigned char* rgba, int width, int height)
{
    Visible found{width, -1, height, -1};
    for (int row = 0; row < height; ++row)
    {
        const unsigned char* line = rgba + static_cast<std::size_t>(row) * width * Channels;
        const auto shows = [line](int column) { return line[column * Channels + 3] != 0; };
        int left = 0;
        while (left < width && !shows(left))
            ++left;
        if (left == width)
            continue;
        int right = width - 1;
        while (right > found.last && !shows(right))
            --right;
        found.first = std::min(found.first, left);
        found.last = std::max(found.last, right);
        found.top = std::min(found.top, row);
        found.bottom = row;
    }
    return found;
}
} // namespace

ImageCover MeasureCover(const unsigned char* bytes, int width, int height, int channels)
{
    if (width <= 0 || height <= 0)
        return ImageCover{tvec2(0.0f), tvec2(0.0f), false};
    if (channels != Channels || AllOpaque(bytes, static_cast<std::size_t>(width) * height))
        return ImageCover{tvec2(0.0f), tvec2(1.0f), true};
    const Visible visible = VisiblePixels(bytes, width, height);
    if (visible.last < 0)
        return ImageCover{tvec2(0.0f), tvec2(0.0f), false};
    const auto edge = [](int texel, int size) { return static_cast<float>(std::clamp(texel, 0, size)) / size; };
    return ImageCover{tvec2(edge(visible.first - Reach, width), edge(visible.top - Reach, height)),
                      tvec2(edge(visible.last + 1 + Reach, width), edge(visible.bottom + 1 + Reach, height)),
                      false};
}
} // namespace Orvex
