#include "graphics/SpriteText.h"

#include "graphics/Color.h"
#include "graphics/Fonts.h"
#include "graphics/ResourceTraits.h"
#include "graphics/Textures.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(SpriteText)

ORVEX_MEMBERS(SpriteText)
{
    ORVEX_FIELD(text, "Text");
    ORVEX_FIELD(font, "Font");
    ORVEX_FIELD(outline, "Outline");
    ORVEX_FIELD(align, "Align");
    ORVEX_FIELD(onHud, "OnHud");
    ORVEX_FIELD(visible, "Visible");
    ORVEX_FIELD(layer, "layer");
    ORVEX_FIELD(parallax, "parallax");
    ORVEX_FIELD(aspectScaling, "aspectScaling");
}

tvec2 TextOffset(int align)
{
    const float x = align == SpriteText::Left ? 0.5f : align == SpriteText::Right ? -0.5f : 0.0f;
    return tvec2(x, -0.25f);
}

SpriteText::~SpriteText() { ReleaseTexture(texture); }

void SpriteText::Init()
{
    RequireComponent<Transform>();
    RequireComponent<Color>();
    offset = TextOffset(align);
    if (!font)
        font = GetFont(DefaultFont);
    if (text.empty())
        text = " ";
    Render();
}

void SpriteText::Render()
{
    ReleaseTexture(texture);
    texture = nullptr;
    texture = RenderText(text, font, outline);
    renderedText = text;
    renderedOutline = outline;
}

void SpriteText::Update(float)
{
    if (text != renderedText || outline != renderedOutline)
        Render();
    Transform* transform = owner->Get<Transform>();
    if (texture && transform && texture->height > 0)
        transform->scale.x = transform->scale.y * static_cast<float>(texture->width) /
                             static_cast<float>(texture->height);
}

void SpriteText::PrepareFrame(const CullView* cull, float aspect)
{
    offset = TextOffset(align);
    GraphicsObject::PrepareFrame(cull, aspect);
}
} // namespace Orvex
