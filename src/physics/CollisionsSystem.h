#pragma once
// Once per frame: every moving collider against every other collider.
//
// Quadratic in colliders, with an axis-aligned box rejection before any edge
// work; levels hold a few moving bodies among many static platforms, so the
// moving side is filtered first and the inner walk only reads slots. A pair of
// two moving bodies is visited from both sides. Each resolved contact posts one
// MSG_COLLISION about each side, A's first. A pair whose contact cannot be
// resolved (too many crossings or inside vertices, and the like) is logged as
// "ERROR: " + text and left untouched; the pass goes on with the next pair.

#include "object/ISystem.h"

namespace Orvex
{
class Entity;

class CollisionsSystem : public ISystem
{
    ORVEX_SYSTEM(CollisionsSystem)

    // dt is not used.
    void Update(float dt) override;

private:
    void CollideWithAll(Entity& a);
    void CollidePair(Entity& a, Entity& b);
};
} // namespace Orvex
