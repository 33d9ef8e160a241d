#include "graphics/DrawNow.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Window.h"
#include "graphics/Color.h"
#include "graphics/Fonts.h"
#include "graphics/SceneView.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteText.h"
#include "graphics/Textures.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
tmat3 ActiveView(bool onHud)
{
    IGamestate* state = Engine::Get() ? Engine::Get()->ActiveGamestate() : nullptr;
    if (onHud || !state)
        return tmat3(1.0f);
    return SceneView(*state).WorldView();
}
} // namespace

void DrawQuadNow(const cTexture& texture, bool onHud, const QuadValues& quad)
{
    // Kept between calls: its streams' storage is reused.
    static VertexStreams single;
    static SpriteBatch batch;
    single.Clear();
    single.AppendQuad(quad);
    batch.Append(single, ActiveView(onHud));
    batch.Flush(texture);
}

void DrawTextNow(const std::string& text, TTF_Font* font, tvec2 position, float rotation,
                 tvec2 scale, const tvec4& colour)
{
    cTexture* rendered = RenderText(text, font, 0);
    if (!rendered)
        return;
    const float aspect = Window::Aspect() > 0.0f ? Window::Aspect() : 1.0f;
    const QuadValues quad{colour, position, rotation, tvec2(scale.x / aspect, scale.y),
                          TextOffset(SpriteText::Left)};
    DrawQuadNow(*rendered, true, quad);
    ReleaseTexture(rendered);
}

void DrawSpriteTextNow(const SpriteText& text)
{
    const Transform* transform = text.owner->Get<Transform>();
    if (!text.texture || !transform)
        return;
    const Color* color = text.owner->Get<Color>();
    const QuadValues quad{color ? color->color : tvec4(1.0f), transform->position,
                          transform->rotation, text.DrawnScale(transform->scale, Window::Aspect()),
                          TextOffset(text.align)};
    DrawQuadNow(*text.texture, text.onHud, quad);
}
} // namespace Orvex
