#include "game/components/Rainbow.h"

#include "engine/Random.h"
#include "graphics/Color.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Rainbow)

ORVEX_MEMBERS(Rainbow)
{
    ORVEX_FIELD(speed, "Speed");
}

void Rainbow::Update(float dt)
{
    timer += dt;
    Color* color = owner->Get<Color>();
    if (timer < speed || !color)
        return;
    timer = 0.0f;
    for (int i = 0; i < 3; ++i)
        color->color[i] = Random::Unit() * 0.4f + 0.1f;
}
} // namespace Orvex
