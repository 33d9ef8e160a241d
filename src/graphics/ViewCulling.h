#pragma once
// Which quads a camera cannot show, so they are left out of the frame.
//
// The test runs in the camera's frame: the quad's position is taken relative to
// the camera (its position scaled by the object's parallax) and turned by the
// camera's rotation, then compared with the half extents of what the camera
// shows, grown by the quad's radius. The extents are those of the view itself,
// from the magnitude of the camera's size: a negative size flips the picture but
// shows as much, and on a portrait window the width, not the height, is the
// size. Rejected: a rectangle of size x aspect by size whatever the window and
// the sign, which drops everything under a flipping camera and visible objects
// at the edges of portrait windows.

#include "engine/Math.h"

namespace Orvex
{
struct QuadValues;

struct CullView
{
    tvec2 centre{0.0f, 0.0f};     // camera position, world units, before parallax
    float rotation = 0.0f;        // camera rotation, radians
    tvec2 halfExtent{1.0f, 1.0f}; // half the visible width and height with the margin, world units, >= 0
};

// What a camera at position with that rotation shows, from the world width and
// height of its view (their signs ignored), each widened by the factor margin
// (1.05 leaves a little room for shaking).
CullView MakeCullView(tvec2 position, float rotation, tvec2 extent, float margin);

// True when no part of the quad can be on screen for an object with that parallax.
bool IsCulled(const CullView& view, tvec2 parallax, const QuadValues& quad);
} // namespace Orvex
