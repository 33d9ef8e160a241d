#include "graphics/CameraController.h"

#include <algorithm>

#include "graphics/Camera.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CameraController)

ORVEX_MEMBERS(CameraController)
{
    ORVEX_FIELD(moveSpeed, "MoveSpeed");
    ORVEX_FIELD(zoomSpeed, "ZoomSpeed");
    ORVEX_FIELD(rotSpeed, "RotSpeed");
}

namespace
{
// SDL scancodes.
constexpr unsigned keyA = 4;
constexpr unsigned keyC = 6;
constexpr unsigned keyD = 7;
constexpr unsigned keyS = 22;
constexpr unsigned keyW = 26;
constexpr unsigned keyX = 27;
constexpr unsigned keyZ = 29;

// +1, -1 or 0 from a pair of held keys.
float Axis(unsigned positive, unsigned negative)
{
    return (Input::KeyHeld(positive) ? 1.0f : 0.0f) - (Input::KeyHeld(negative) ? 1.0f : 0.0f);
}
} // namespace

void CameraController::Init()
{
    RequireComponent<Transform>();
    RequireComponent<Camera>();
}

void CameraController::Update(float dt)
{
    Transform* transform = owner->Get<Transform>();
    Camera* camera = owner->Get<Camera>();
    if (!transform || !camera)
        return;
    // Zooming in stops at the smallest size the view shows, so that zooming out
    // again answers at once.
    if (const float zoom = Axis(keyZ, keyC))
        camera->size = std::max(camera->size + zoom * zoomSpeed * dt, kMinimumCameraSize);
    transform->position.x += Axis(keyD, keyA) * moveSpeed * dt;
    transform->position.y += Axis(keyW, keyS) * moveSpeed * dt;
    if (Input::KeyHeld(keyX))
        transform->rotation += rotSpeed * dt;
}
} // namespace Orvex
