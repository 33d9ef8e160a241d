#include "editor/LevelEditorCameraController.h"

#include "graphics/Camera.h"
#include "graphics/CameraView.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "physics/Transform.h"

#include <SDL_scancode.h>
#include <algorithm>
#include <cmath>

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(LevelEditorCameraController)

ORVEX_MEMBERS(LevelEditorCameraController)
{
    ORVEX_FIELD(zoomSpeed, "ZoomSpeed");
}

namespace
{
bool CtrlHeld()
{
    return Input::KeyHeld(SDL_SCANCODE_LCTRL) || Input::KeyHeld(SDL_SCANCODE_RCTRL);
}

float Held(unsigned scancode)
{
    return Input::KeyHeld(scancode) ? 1.0f : 0.0f;
}
} // namespace

void LevelEditorCameraController::Init()
{
    RequireComponent<Camera>();
}

void LevelEditorCameraController::Update(float dt)
{
    if (!owner->Get<Camera>() || !owner->Get<Transform>())
        return;
    if (CtrlHeld())
        Zoom();
    else if (keysInScene)
        Move(dt);
    Grab();
}

void LevelEditorCameraController::Move(float dt)
{
    const tvec2 direction(Held(SDL_SCANCODE_RIGHT) - Held(SDL_SCANCODE_LEFT),
                          Held(SDL_SCANCODE_UP) - Held(SDL_SCANCODE_DOWN));
    owner->Get<Transform>()->position += direction * owner->Get<Camera>()->size * 0.5f * dt;
}

void LevelEditorCameraController::Zoom()
{
    const bool in = (mouseInScene && Input::Current().mouseButtons[Input::MouseWheelUp]) ||
                    (keysInScene && Input::KeyWentDown(SDL_SCANCODE_UP));
    const bool out = (mouseInScene && Input::Current().mouseButtons[Input::MouseWheelDown]) ||
                     (keysInScene && Input::KeyWentDown(SDL_SCANCODE_DOWN));
    // A factor of 1 or less (or not a number) would stand still, turn the zoom
    // round or blow the view up.
    if (in == out || !(zoomSpeed > 1.0f) || !std::isfinite(zoomSpeed))
        return;
    float& size = owner->Get<Camera>()->size;
    const float zoomed = in ? size / zoomSpeed : size * zoomSpeed;
    size = std::clamp(std::isfinite(zoomed) ? zoomed : MaxSize, MinSize, MaxSize);
}

void LevelEditorCameraController::Grab()
{
    if (!Input::MouseButtonHeld(Input::MouseMiddle))
    {
        grabbing = false;
        return;
    }
    if (!grabbing)
    {
        // Only a press in the scene grabs: one over a window belongs to the window.
        if (!mouseInScene || !Input::MouseButtonPressed(Input::MouseMiddle))
            return;
        grabbing = true;
        grabbed = MouseWorldPosition();
        return;
    }
    owner->Get<Transform>()->position += grabbed - MouseWorldPosition();
}
} // namespace Orvex
