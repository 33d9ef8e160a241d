#pragma once
// Where the cursor meets an entity: the click test of every button, and the
// stricter test of what can be hovered or grabbed.

namespace Orvex
{
class Entity;

// True when the cursor, taken into the world through the active camera, lies
// inside the entity's collider; false without a collider. Ghost colliders count,
// so a button can be a ghost that nothing collides with.
bool CursorInside(const Entity& entity);

// CursorInside, for a drawn entity (Sprite or SpriteText) with a solid collider
// only: what hover effects and slider handles answer to.
bool CursorOverSolid(const Entity& entity);
} // namespace Orvex
