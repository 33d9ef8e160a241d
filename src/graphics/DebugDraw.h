#pragma once
// The debug overlay drawn over a frame when the core configuration's [Debug]
// "DebugDraw" is on, for laying out levels: every body's velocity as a dark line
// from its position (the distance it covers in a second), every collider's
// bounds as a yellow box, both in the world's view, and a frame counter in the
// top-right corner of the screen.

#include "graphics/FrameCounter.h"

namespace Orvex
{
class IGamestate;
class SceneView;

// The "DebugDraw" value of the "Debug" section of the engine's configuration;
// false without an engine, the section or the key.
bool DebugDrawOn();

// Draws the overlay for the state seen through view: the lines and boxes, then
// counts this frame with counter and shows "FPS: " and the frames of the last second.
void DrawDebugOverlay(const IGamestate& state, const SceneView& view, FrameCounter& counter);
} // namespace Orvex
