#include "game/components/CollideInvert.h"

#include "game/components/Touch.h"
#include "graphics/Camera.h"
#include "graphics/CameraView.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CollideInvert)

ORVEX_MEMBERS(CollideInvert) {}

void CollideInvert::Init() { Subscribe(MSG_COLLISION, &CollideInvert::OnCollision); }

void CollideInvert::OnCollision(const void* payload)
{
    if (PlayerInvolved(payload))
        InvertActiveCamera();
}

void InvertActiveCamera()
{
    if (Camera* camera = ActiveCamera())
        camera->size = -camera->size;
}
} // namespace Orvex
