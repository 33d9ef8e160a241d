#include "physics/ColliderQueries.h"

#include <algorithm>

#include "graphics/Mesh.h"
#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
// Edge functions of the triangle abc at x: inside when all three share a sign
// (strict comparisons, so either winding works).
bool InTriangle(tvec2 x, tvec2 a, tvec2 b, tvec2 c)
{
    const float e1 = (b.y - c.y) * (x.x - c.x) - (x.y - c.y) * (b.x - c.x);
    const float e0 = (a.y - b.y) * (x.x - b.x) - (a.x - b.x) * (x.y - b.y);
    const float e2 = (c.y - a.y) * (x.x - a.x) - (x.y - a.y) * (c.x - a.x);
    const bool n0 = e0 < 0.0f;
    return n0 == (e1 < 0.0f) && n0 == (e2 < 0.0f);
}
} // namespace

tmat3 ModelMatrixOf(const Entity& entity)
{
    const Transform* transform = entity.Get<Transform>();
    return transform ? transform->GetModelMatrix() : tmat3(1.0f);
}

tvec2 ToWorld(const tmat3& model, tvec2 local)
{
    const glm::vec3 world = model * glm::vec3(local, 1.0f);
    return {world.x, world.y};
}

const cMesh& ShapeOf(const Entity& entity)
{
    if (entity.collider && entity.collider->mesh)
        return *entity.collider->mesh;
    return *GetMesh("Square");
}

bool PointInMesh(tvec2 point, const cMesh& mesh, const tmat3& model)
{
    for (const cMesh::Face& face : mesh.faces)
    {
        const tvec2 a = ToWorld(model, mesh.points[face[0]]);
        const tvec2 b = ToWorld(model, mesh.points[face[1]]);
        const tvec2 c = ToWorld(model, mesh.points[face[2]]);
        if (InTriangle(point, a, b, c))
            return true;
    }
    return false;
}

bool PointInMesh(tvec2 point, const cMesh& mesh, const Entity& entity)
{
    return PointInMesh(point, mesh, ModelMatrixOf(entity));
}

bool PointInCollider(tvec2 point, const Entity& entity)
{
    return entity.collider && PointInMesh(point, ShapeOf(entity), entity);
}

ColliderBounds GetColliderBounds(const Entity& entity)
{
    const cMesh& shape = ShapeOf(entity);
    const tmat3 model = ModelMatrixOf(entity);
    ColliderBounds bounds{0.0f, 0.0f, 0.0f, 0.0f};
    for (std::size_t i = 0; i < shape.points.size(); ++i)
    {
        const tvec2 p = ToWorld(model, shape.points[i]);
        if (i == 0)
        {
            bounds = {p.x, p.x, p.y, p.y};
            continue;
        }
        bounds.minX = std::min(bounds.minX, p.x);
        bounds.maxX = std::max(bounds.maxX, p.x);
        bounds.maxY = std::max(bounds.maxY, p.y);
        bounds.minY = std::min(bounds.minY, p.y);
    }
    return bounds;
}

bool BoundsOverlap(const ColliderBounds& a, const ColliderBounds& b)
{
    return !(b.minY > a.maxY || a.minY > b.maxY || b.minX > a.maxX || a.minX > b.maxX);
}
} // namespace Orvex
