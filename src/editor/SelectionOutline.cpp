#include "editor/SelectionOutline.h"

#include "graphics/Camera.h"
#include "graphics/ImmediateShapes.h"
#include "graphics/Mesh.h"
#include "graphics/SceneView.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"
#include "physics/Transform.h"

#include <GL/glew.h>
#include <cmath>
#include <vector>

namespace Orvex
{
namespace
{
const tvec4 Orange{1.0f, 0.5f, 0.0f, 1.0f};
const tvec4 Rim{0.0f, 0.0f, 0.0f, 0.6f};
const tvec4 LightBlue{0.45f, 0.8f, 1.0f, 0.85f};

// Thin lines vanish against busy levels: the outline is drawn wide on a rim.
void DrawEdges(const cMesh& mesh, const tmat3& toDevice, float width, const tvec4& colour)
{
    glLineWidth(width);
    for (const cMesh::Edge& edge : mesh.edges)
        DrawLine(mesh.points[edge[0]], mesh.points[edge[1]], toDevice, colour);
    glLineWidth(1.0f);
}
} // namespace

void DrawSelectionOutline(const Entity& entity, const SceneView& view)
{
    const Transform* transform = entity.Get<Transform>();
    const Sprite* sprite = entity.Get<Sprite>();
    const GraphicsObject* drawable =
        sprite ? static_cast<const GraphicsObject*>(sprite) : entity.Get<SpriteText>();
    if (!transform || !drawable || !GraphicsReady())
        return;
    const cMesh& mesh = sprite && sprite->mesh ? *sprite->mesh : *GetMesh("Square");
    const tmat3 toDevice = view.ViewFor(*drawable) * transform->GetModelMatrix();
    DrawEdges(mesh, toDevice, 5.0f, Rim);
    DrawEdges(mesh, toDevice, 2.5f, Orange);
}

void DrawCameraFrame(const Entity& camera, const SceneView& view)
{
    const Transform* transform = camera.Get<Transform>();
    const Camera* lens = camera.Get<Camera>();
    if (!transform || !lens || !GraphicsReady())
        return;
    const tvec2 half = lens->Extent() * 0.5f;
    const float c = std::cos(transform->rotation);
    const float s = std::sin(transform->rotation);
    std::vector<tvec2> corners;
    for (const tvec2& corner :
         {tvec2(-half.x, -half.y), tvec2(half.x, -half.y), half, tvec2(-half.x, half.y)})
        corners.push_back(transform->position +
                          tvec2(c * corner.x - s * corner.y, s * corner.x + c * corner.y));
    glLineWidth(2.0f);
    DrawClosedOutline(corners, view.WorldView(), LightBlue);
    glLineWidth(1.0f);
}
} // namespace Orvex
