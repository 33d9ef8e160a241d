#include "game/components/RandomColorOnClick.h"

#include "engine/Random.h"
#include "graphics/Color.h"
#include "graphics/CursorHit.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RandomColorOnClick)

ORVEX_MEMBERS(RandomColorOnClick) {}

void RandomizeColour(Color& color)
{
    for (int i = 0; i < 3; ++i)
        color.color[i] = Random::Unit();
}

void RandomColorOnClick::Init()
{
    RequireComponent<Color>();
    Subscribe(MSG_MOUSEBUTTONDOWN, &RandomColorOnClick::OnMouseDown);
}

void RandomColorOnClick::OnMouseDown(const void*)
{
    Color* color = owner->Get<Color>();
    if (color && CursorInside(*owner))
        RandomizeColour(*color);
}
} // namespace Orvex
