#pragma once
// Questions about placed shapes, for the collision pass and for mouse picking.

#include "engine/Math.h"

namespace Orvex
{
class Entity;
struct cMesh;

// World-space axis-aligned box of a shape, in world units.
struct ColliderBounds
{
    float minX;
    float maxX;
    float maxY;
    float minY;
};

// The model matrix of the entity's Transform; the identity without one.
tmat3 ModelMatrixOf(const Entity& entity);
// M·(p, 1) as a 2-vector.
tvec2 ToWorld(const tmat3& model, tvec2 local);

// The entity's shape: its collider's mesh, otherwise the shared "Square".
const cMesh& ShapeOf(const Entity& entity);

// True when the world point lies strictly inside any face triangle of the mesh
// placed by the model matrix (points on an edge depend on the winding); false for
// a mesh without faces.
bool PointInMesh(tvec2 point, const cMesh& mesh, const tmat3& model);
bool PointInMesh(tvec2 point, const cMesh& mesh, const Entity& entity);
// PointInMesh with the entity's collider's mesh; false without a collider.
bool PointInCollider(tvec2 point, const Entity& entity);
// The minimum and maximum over the entity's shape points in world coordinates.
ColliderBounds GetColliderBounds(const Entity& entity);
// Boxes that merely touch still overlap; a NaN edge separates from nothing.
bool BoundsOverlap(const ColliderBounds& a, const ColliderBounds& b);
} // namespace Orvex
