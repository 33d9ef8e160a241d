#include "graphics/CameraView.h"

#include <cmath>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "messaging/Input.h"
#include "object/Entity.h"

namespace Orvex
{
Camera* ActiveCamera()
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    Entity* entity = state ? state->CameraEntity() : nullptr;
    return entity ? entity->Get<Camera>() : nullptr;
}

tmat3 ActiveViewMatrix(float parallaxX, float parallaxY)
{
    const Camera* camera = ActiveCamera();
    return camera ? camera->GetViewMatrix(parallaxX, parallaxY) : tmat3(1.0f);
}

tmat3 ActiveScreenToWorld()
{
    const Camera* camera = ActiveCamera();
    return camera ? camera->GetScreenToWorld() : tmat3(1.0f);
}

tmat3 ActivePlainViewMatrix()
{
    const Camera* camera = ActiveCamera();
    return camera ? camera->GetPlainViewMatrix() : tmat3(1.0f);
}

bool InActiveView(tvec2 world)
{
    const tvec2 device = tvec2(ActiveViewMatrix(1.0f, 1.0f) * glm::vec3(world, 1.0f));
    return std::abs(device.x) <= 1.0f && std::abs(device.y) <= 1.0f;
}

bool ActiveCameraMoving()
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    const Entity* camera = state ? state->CameraEntity() : nullptr;
    return camera && !camera->actions.empty();
}

tvec2 DeviceToWorld(tvec2 device)
{
    return tvec2(ActiveScreenToWorld() * glm::vec3(device, 1.0f));
}

tvec2 MouseWorldPosition() { return DeviceToWorld(Input::MouseDevicePosition()); }
} // namespace Orvex
