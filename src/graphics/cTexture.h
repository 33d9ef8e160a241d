#pragma once
// An image uploaded to OpenGL, as the graphics manager hands it out by name.

#include "graphics/ImageCover.h"

namespace Orvex
{
struct cTexture
{
    cTexture() = default;
    cTexture(unsigned name, int width, int height, ImageCover cover = {})
        : name(name), width(width), height(height), cover(cover)
    {
    }

    unsigned name = 0; // OpenGL texture name; 0 is none
    int width = 0;     // pixels
    int height = 0;    // pixels
    ImageCover cover;  // measured at upload; the whole image, blended, unless measured
};
} // namespace Orvex
