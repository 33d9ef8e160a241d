#pragma once
// Where an image can show, measured once when it is uploaded, so that its quads
// shade fewer pixels and skip blending where nothing could blend.
//
// Bounds: the texture-coordinate rectangle outside which every sample of the
// image is fully transparent. Textures are sampled linearly without mipmaps, so
// a texel reaches half a texel beyond itself; the bounds keep a whole texel
// around the last visible one and stay within the image. A quad trimmed to them
// blends the same pixels as the whole quad: what it leaves out has alpha 0.
// Opaque: every pixel has alpha 255 (or the image has no alpha), so any sample,
// filtered or not, has alpha 1. A partially transparent pixel anywhere keeps
// blending for the whole image; an image of only fully opaque and fully clear
// pixels does too, since filtering mixes them to partial alpha along its edges.

#include "engine/Math.h"

namespace Orvex
{
struct ImageCover
{
    tvec2 low{0.0f, 0.0f};  // (u, v) of the bounds' top left corner, row 0 at v = 0
    tvec2 high{1.0f, 1.0f}; // (u, v) of the bottom right; equal to low for an image with nothing visible
    bool opaque = false;    // every pixel fully opaque
};

// The cover of tightly packed rows of RGB (channels 3) or RGBA (channels 4)
// bytes, row 0 at the top. An image of no pixels shows nothing.
ImageCover MeasureCover(const unsigned char* bytes, int width, int height, int channels);
} // namespace Orvex
