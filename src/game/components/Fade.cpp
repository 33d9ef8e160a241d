#include "game/components/Fade.h"

#include "graphics/Color.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Fade)

ORVEX_MEMBERS(Fade)
{
    ORVEX_FIELD(speed, "Speed");
    ORVEX_FIELD(offset, "Offset");
    ORVEX_FIELD(timeForFade, "TimeForFade");
}

void Fade::Update(float dt)
{
    if (offset > 0.0f)
    {
        offset -= dt;
        return;
    }
    Color* color = owner->Get<Color>();
    if (!color)
        return;
    float& alpha = color->color.a;
    if (alpha >= 1.0f)
    {
        alpha = 1.0f;
        speed = -speed;
    }
    else if (alpha <= 0.0f)
    {
        alpha = 0.0f;
        timer += dt;
        if (timer < timeForFade)
            return;
        timer = 0.0f;
        speed = -speed;
    }
    alpha += speed * dt;
}
} // namespace Orvex
