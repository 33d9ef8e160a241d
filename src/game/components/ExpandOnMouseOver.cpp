#include "game/components/ExpandOnMouseOver.h"

#include "graphics/Color.h"
#include "graphics/CursorHit.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ExpandOnMouseOver)

ORVEX_MEMBERS(ExpandOnMouseOver)
{
    ORVEX_FIELD(scaleUp, "ScaleUp");
    ORVEX_FIELD(newColor, "NewColor");
    ORVEX_FIELD(chosenColor, "ChosenColor");
}

void ExpandOnMouseOver::Init()
{
    if (const Transform* transform = owner->Get<Transform>())
        restScale = transform->scale;
    if (const Color* color = owner->Get<Color>())
        restColor = color->color;
}

void ExpandOnMouseOver::Update(float)
{
    const bool hovered = focused || CursorOverSolid(*owner);
    if (Transform* transform = owner->Get<Transform>())
        transform->scale = hovered ? restScale + tvec2(scaleUp, scaleUp) : restScale;
    if (Color* color = owner->Get<Color>())
        color->color = hovered ? newColor : chosen ? chosenColor : restColor;
}
} // namespace Orvex
