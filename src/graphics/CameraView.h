#pragma once
// The view of the top game state, through the camera entity it names. A state
// may have no camera (a bare menu, a state between levels): then the view is the
// identity, so device and world coordinates coincide and nothing fails.

#include "engine/Math.h"

namespace Orvex
{
class Camera;

// The Camera of the top state's camera entity; null without an engine, a state,
// a camera entity or a Camera on it.
Camera* ActiveCamera();

// The active camera's matrices (see Camera), or the identity without one.
tmat3 ActiveViewMatrix(float parallaxX, float parallaxY);
tmat3 ActiveScreenToWorld();
tmat3 ActivePlainViewMatrix();

// The point, seen through the active camera at parallax 1, lies on screen.
bool InActiveView(tvec2 world);
// The active camera's entity has actions running: the view is gliding.
bool ActiveCameraMoving();

// A point in device coordinates (-1..1, y up) in the world of the active camera.
tvec2 DeviceToWorld(tvec2 device);
// The cursor in world coordinates: its window pixel mapped to device
// coordinates and then through the active camera.
tvec2 MouseWorldPosition();
} // namespace Orvex
