#include "game/components/ZoomInAndOut.h"

#include "graphics/Camera.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ZoomInAndOut)

ORVEX_MEMBERS(ZoomInAndOut)
{
    ORVEX_FIELD(speed, "Speed");
    ORVEX_FIELD(length, "Length");
}

void ZoomInAndOut::Update(float dt)
{
    timer += dt;
    if (timer >= length)
    {
        speed = -speed;
        timer = 0.0f;
    }
    const float change = speed * dt;
    if (Camera* camera = owner->Get<Camera>())
        camera->size += change;
    else if (Transform* transform = owner->Get<Transform>(); transform && transform->scale.x != 0.0f)
        transform->scale += tvec2(change, change * transform->scale.y / transform->scale.x);
}
} // namespace Orvex
