#pragma once
// One key (F1) stops the follower and zooms the camera to another Size.

#include "object/IComponent.h"

namespace Orvex
{
class DynamicCamera : public IComponent
{
    ORVEX_COMPONENT(DynamicCamera)

    // Needs a Camera and a FollowCam; listens for MSG_KEYDOWN.
    void Init() override;

    float size = 0.0f;  // the Size zoomed to, world units
    float speed = 0.0f; // seconds the zoom takes

private:
    void OnKeyDown(const void* payload);
};
} // namespace Orvex
