#include "game/components/ExpandOnMouseOver.h"

#include "game/components/ClickButton.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ExpandOnMouseOver)

ORVEX_MEMBERS(ExpandOnMouseOver)
{
    ORVEX_FIELD(scaleUp, "ScaleUp");
    ORVEX_FIELD(newColor, "NewColor");
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
    const bool hovered = Hovered();
    if (Transform* transform = owner->Get<Transform>())
        transform->scale = hovered ? restScale + tvec2(scaleUp, scaleUp) : restScale;
    if (Color* color = owner->Get<Color>())
        color->color = hovered ? newColor : restColor;
}

bool ExpandOnMouseOver::Hovered() const
{
    const bool drawn = owner->Get<Sprite>() || owner->Get<SpriteText>();
    const BaseCollider* collider = owner->collider;
    return drawn && collider && !collider->ghost && CursorInside(*owner);
}
} // namespace Orvex
