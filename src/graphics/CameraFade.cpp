#include "graphics/CameraFade.h"

#include <algorithm>

#include "graphics/Camera.h"
#include "graphics/CameraView.h"
#include "graphics/Color.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CameraFade)

ORVEX_MEMBERS(CameraFade)
{
    ORVEX_FIELD(distanceTillFadedOut, "DistanceTillFadedOut");
    ORVEX_FIELD(minAlphaFade, "MinAlphaFade");
}

void CameraFade::Init() { RequireComponent<Color>(); }

void CameraFade::Update(float)
{
    // A distance of 0 would divide by zero and a negative one brighten with
    // distance: both are treated as "no fade".
    const Camera* camera = ActiveCamera();
    const Transform* cameraTransform = camera ? camera->owner->Get<Transform>() : nullptr;
    const Transform* transform = owner->Get<Transform>();
    Color* color = owner->Get<Color>();
    if (!(distanceTillFadedOut > 0.0f) || !cameraTransform || !transform || !color)
        return;
    const float distance = glm::distance(cameraTransform->position, transform->position);
    color->color.a = std::max(1.0f - distance / distanceTillFadedOut, minAlphaFade);
}
} // namespace Orvex
