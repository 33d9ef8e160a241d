#pragma once
// Free flight of a camera by held keys, for looking around while debugging:
// W/S/D/A move, Z/C zoom out and in, X turns. Opposite keys cancel.

#include "object/IComponent.h"

namespace Orvex
{
class CameraController : public IComponent
{
    ORVEX_COMPONENT(CameraController)

    // Needs a Transform and a Camera.
    void Init() override;
    void Update(float dt) override;

    float moveSpeed = 0.0f; // world units per second
    float zoomSpeed = 0.0f; // Size change per second
    float rotSpeed = 0.0f;  // radians per second
};
} // namespace Orvex
