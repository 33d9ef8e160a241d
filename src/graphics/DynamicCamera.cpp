#include "graphics/DynamicCamera.h"

#include "actions/Action.h"
#include "graphics/Camera.h"
#include "graphics/FollowCam.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(DynamicCamera)

ORVEX_MEMBERS(DynamicCamera)
{
    ORVEX_FIELD(size, "Size");
    ORVEX_FIELD(speed, "Speed");
}

namespace
{
constexpr unsigned zoomKey = 58; // SDL scancode of F1
} // namespace

void DynamicCamera::Init()
{
    RequireComponent<Camera>();
    RequireComponent<FollowCam>();
    Subscribe(MSG_KEYDOWN, &DynamicCamera::OnKeyDown);
}

void DynamicCamera::OnKeyDown(const void* payload)
{
    Camera* camera = owner->Get<Camera>();
    FollowCam* follower = owner->Get<FollowCam>();
    if (static_cast<const KeyMessage*>(payload)->scancode != zoomKey || !camera || !follower)
        return;
    follower->stopped = true;
    AddAction(*owner, &camera->size, size, speed, QuadIn);
}
} // namespace Orvex
