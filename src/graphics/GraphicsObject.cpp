#include "graphics/GraphicsObject.h"

#include "graphics/Color.h"
#include "graphics/ViewCulling.h"
#include "graphics/cTexture.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
void GraphicsObject::PrepareFrame(const CullView* cull, float aspect)
{
    streams.Clear();
    // Without the checks (the editor) a drawable may lack its companions for a
    // while: nothing to place it by, or white.
    const Transform* transform = owner->Get<Transform>();
    if (!transform)
        return;
    const Color* color = owner->Get<Color>();
    BuildQuad(color ? color->color : tvec4(1.0f), *transform, cull, aspect);
}

void GraphicsObject::BuildQuad(const tvec4& colour, const Transform& transform,
                               const CullView* cull, float aspect)
{
    BuildQuad(QuadValues{colour, transform.position, transform.rotation, transform.scale, offset},
              cull, aspect);
}

void GraphicsObject::BuildQuad(QuadValues quad, const CullView* cull, float aspect)
{
    if (!visible)
        return;
    quad.scale = DrawnScale(quad.scale, aspect);
    if (!onHud && cull && IsCulled(*cull, parallax, quad))
        return;
    streams.AppendQuad(quad);
}

tvec2 GraphicsObject::DrawnScale(tvec2 scale, float aspect) const
{
    if (ScalesByAspect() && aspect > 0.0f)
        scale.x /= aspect;
    return scale;
}

unsigned GraphicsObject::TextureId() const { return texture ? texture->name : 0; }
} // namespace Orvex
