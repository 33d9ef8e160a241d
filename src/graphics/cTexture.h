#pragma once
// An image uploaded to OpenGL, as the graphics manager hands it out by name.

namespace Orvex
{
struct cTexture
{
    unsigned name = 0; // OpenGL texture name; 0 is none
    int width = 0;     // pixels
    int height = 0;    // pixels
};
} // namespace Orvex
