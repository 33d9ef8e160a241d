#pragma once
// Once per frame: every moving collider against every other collider.
//
// Quadratic in colliders, with an axis-aligned box rejection before any edge
// work; levels hold a few moving bodies among many static platforms, so the
// moving side is filtered first. A pair of two moving bodies is visited from both
// sides. Each resolved contact posts one MSG_COLLISION about each side, A's
// first. A pair whose contact cannot be resolved (too many crossings or inside
// vertices, and the like) is logged as "ERROR: " + text and left untouched; the
// pass goes on with the next pair.
//
// The boxes of all colliders are taken once at the start of the pass, in table
// order, and both boxes of a candidate pair again after it, as its response may
// have moved either: the inner walk only reads a flat list, yet every box it
// reads is where the shape stands now. A keeps the box it had when its turn began.

#include <vector>

#include "object/ISystem.h"
#include "physics/ColliderQueries.h"

namespace Orvex
{
class Entity;

class CollisionsSystem : public ISystem
{
    ORVEX_SYSTEM(CollisionsSystem)

    // dt is not used.
    void Update(float dt) override;

private:
    struct Placed
    {
        Entity* entity;
        ColliderBounds bounds;
    };

    void GatherColliders();
    void CollideWithAll(std::size_t a);
    void CollidePair(Entity& a, Entity& b);

    // This pass's colliders; rebuilt every pass, kept only so that its storage
    // is reused and a pass allocates nothing once the level's size is reached.
    std::vector<Placed> colliders;
};
} // namespace Orvex
