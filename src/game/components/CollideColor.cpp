#include "game/components/CollideColor.h"

#include "game/components/Touch.h"
#include "graphics/Color.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CollideColor)

ORVEX_MEMBERS(CollideColor)
{
    ORVEX_FIELD(active, "Active");
    ORVEX_FIELD(red, "Red");
    ORVEX_FIELD(green, "Green");
    ORVEX_FIELD(blue, "Blue");
    ORVEX_FIELD(alpha, "Alpha");
}

void CollideColor::Init()
{
    RequireComponent<Color>();
    Subscribe(MSG_COLLISION, &CollideColor::OnCollision);
}

void CollideColor::OnCollision(const void* payload)
{
    if (!active || !PlayerInvolved(payload))
        return;
    if (Color* color = owner->Get<Color>())
        color->color = tvec4(red, green, blue, alpha);
}
} // namespace Orvex
