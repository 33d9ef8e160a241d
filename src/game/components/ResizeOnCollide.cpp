#include "game/components/ResizeOnCollide.h"

#include "game/components/Touch.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ResizeOnCollide)

ORVEX_MEMBERS(ResizeOnCollide)
{
    ORVEX_FIELD(size, "Size");
}

void ResizeOnCollide::Init()
{
    RequireComponent<Transform>();
    RequireCollider();
    Subscribe(MSG_COLLISION, &ResizeOnCollide::OnCollision);
}

void ResizeOnCollide::OnCollision(const void* payload)
{
    if (PlayerToucher(payload))
        if (Transform* transform = owner->Get<Transform>())
            transform->scale += size;
}
} // namespace Orvex
