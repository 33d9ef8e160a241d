#include "physics/Transform.h"

#include <cmath>

#include "engine/Window.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Transform)

ORVEX_MEMBERS(Transform)
{
    ORVEX_FIELD(position, "Position");
    ORVEX_FIELD(scale, "Scale");
    ORVEX_FIELD(rotation, "Rotation");
}

namespace
{
tmat3 Translation(tvec2 offset)
{
    tmat3 m(1.0f);
    m[2] = glm::vec3(offset, 1.0f);
    return m;
}

tmat3 Rotation(float radians)
{
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    tmat3 m(1.0f);
    m[0] = glm::vec3(c, s, 0.0f);
    m[1] = glm::vec3(-s, c, 0.0f);
    return m;
}

tmat3 Scaling(tvec2 factors)
{
    tmat3 m(1.0f);
    m[0][0] = factors.x;
    m[1][1] = factors.y;
    return m;
}
} // namespace

tmat3 Transform::GetModelMatrix() const
{
    tvec2 localScale = scale;
    tvec2 localOffset{0.0f, 0.0f};
    // A text is shaped as it is drawn, so that picking a text button hits the letters.
    if (const SpriteText* text = owner ? owner->Get<SpriteText>() : nullptr)
    {
        localScale = text->DrawnScale(scale, Window::Aspect());
        localOffset = TextOffset(text->align);
    }
    return Translation(position) * Rotation(rotation) * Scaling(localScale) *
           Translation(localOffset);
}
} // namespace Orvex
