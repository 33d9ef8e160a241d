#include "graphics/Sprite.h"

#include "graphics/Color.h"
#include "graphics/Mesh.h"
#include "graphics/ResourceTraits.h"
#include "graphics/Textures.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Sprite)

ORVEX_MEMBERS(Sprite)
{
    ORVEX_FIELD(onHud, "OnHud");
    ORVEX_FIELD(visible, "Visible");
    ORVEX_FIELD(parallax, "parallax");
    ORVEX_FIELD(layer, "layer");
    ORVEX_FIELD(texture, "texture");
    ORVEX_FIELD(offset, "TOffset");
    ORVEX_FIELD(aspectScaling, "aspectScaling");
    ORVEX_FIELD(mesh, "Mesh");
    ORVEX_FIELD(drawMesh, "DrawMesh");
}

void Sprite::Init()
{
    RequireComponent<Transform>();
    RequireComponent<Color>();
    if (!texture)
        texture = GetDefaultTexture();
    if (!mesh)
        mesh = GetMesh("Square");
}
} // namespace Orvex
