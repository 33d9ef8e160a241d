#include "graphics/Camera.h"

#include <cmath>

#include <glm/gtx/matrix_transform_2d.hpp>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Random.h"
#include "engine/Window.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Camera)

ORVEX_MEMBERS(Camera) { ORVEX_FIELD(size, "Size"); }

tvec2 VisibleExtent(float size, float aspect)
{
    if (!(aspect > 0.0f))
        aspect = 1.0f;
    if (!(std::fabs(size) >= kMinimumCameraSize))
        size = size < 0.0f ? -kMinimumCameraSize : kMinimumCameraSize;
    if (aspect > 1.0f)
        return {size * aspect, size};
    return {size, size / aspect};
}

void Camera::Init()
{
    RequireComponent<Transform>();
    Subscribe(MSG_MOVE_CAMERA, &Camera::OnMoveCamera);
    Subscribe(MSG_SCREEN_SHAKE, &Camera::OnScreenShake);
}

void Camera::Update(float dt)
{
    if (!shaking)
        return;
    shakeTimeLeft -= dt;
    shakeTimer += dt;
    if (shakeTimeLeft <= 0.0f)
    {
        shaking = false;
        shakeTimeLeft = 0.0f;
        shakeAmplitude = 0.0f;
        return;
    }
    if (shakeTimer >= shakeInterval)
    {
        PickShakePosition();
        shakeTimer = 0.0f;
    }
}

tmat3 Camera::GetViewMatrix(float parallaxX, float parallaxY) const
{
    const tmat3 scaled = glm::scale(tmat3(1.0f), 2.0f / Extent());
    const tmat3 turned = glm::rotate(scaled, -Rotation());
    return glm::translate(turned, -ViewPosition() * tvec2{parallaxX, parallaxY});
}

tmat3 Camera::GetScreenToWorld() const
{
    const tmat3 moved = glm::translate(tmat3(1.0f), ViewPosition());
    const tmat3 turned = glm::rotate(moved, Rotation());
    return glm::scale(turned, Extent() / 2.0f);
}

tmat3 Camera::GetPlainViewMatrix() const
{
    return glm::translate(glm::scale(tmat3(1.0f), 2.0f / Extent()), -Position());
}

tvec2 Camera::Extent() const { return VisibleExtent(size, Window::Aspect()); }

void Camera::StartShake(float amplitude, float duration, float interval)
{
    shaking = true;
    shakeTimeLeft = duration;
    shakeAmplitude = amplitude;
    shakeInterval = interval;
    PickShakePosition();
}

void Camera::OnMoveCamera(const void* payload)
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    Transform* transform = OwnTransform();
    if (!state || state->CameraEntity() != owner || !transform)
        return;
    const auto& move = *static_cast<const MoveCameraMessage*>(payload);
    transform->position = {move.x, move.y};
}

void Camera::OnScreenShake(const void* payload)
{
    const auto& shake = *static_cast<const ScreenShakeMessage*>(payload);
    StartShake(shake.amplitude, shake.duration, shake.frequency);
}

void Camera::PickShakePosition()
{
    const tvec2 position = Position();
    shakePosition.x = position.x + Random::Spread(shakeAmplitude);
    shakePosition.y = position.y + Random::Spread(shakeAmplitude);
}

Transform* Camera::OwnTransform() const { return owner ? owner->Get<Transform>() : nullptr; }

tvec2 Camera::Position() const
{
    const Transform* transform = OwnTransform();
    return transform ? transform->position : tvec2{0.0f, 0.0f};
}

tvec2 Camera::ViewPosition() const { return shaking ? shakePosition : Position(); }

float Camera::Rotation() const
{
    const Transform* transform = OwnTransform();
    return transform ? transform->rotation : 0.0f;
}
} // namespace Orvex
