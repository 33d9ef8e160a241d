#pragma once
// Once per frame: every moving collider against every other collider.
//
// Each moving collider, in table order, meets every other collider whose
// axis-aligned box overlaps its own, in table order, before any edge work. A pair
// of two moving bodies is visited from both sides. Each resolved contact posts one MSG_COLLISION about each side, A's
// first. A pair whose contact cannot be resolved (too many crossings or inside
// vertices, and the like) is logged as "ERROR: " + text and left untouched; the
// pass goes on with the next pair.
//
// The boxes of all colliders are taken once at the start of the pass, in table
// order, and both boxes of a candidate pair again after it, as its response may
// have moved either: the inner walk only reads a flat list, yet every box it
// reads is where the shape stands now. A keeps the box it had when its turn began.
//
// The boxes overlapping A's are found in a BoxTree, in about log n each; the
// quadratic walk over every collider is kept as the reference the tree is
// checked against, and gives the same pairs in the same order.

#include <vector>

#include "object/ISystem.h"
#include "physics/BoxTree.h"
#include "physics/ColliderQueries.h"

namespace Orvex
{
class Entity;

enum class BroadPhase
{
    Tree,     // the boxes overlapping A's asked of a BoxTree
    AllPairs, // every collider's box tested against A's
};

class CollisionsSystem : public ISystem
{
    ORVEX_SYSTEM(CollisionsSystem)

    // dt is not used.
    void Update(float dt) override;
    void SetBroadPhase(BroadPhase phase) { broadPhase = phase; }

private:
    void GatherColliders();
    void CollideWithAll(std::size_t a);
    void CollideAndRefit(std::size_t a, std::size_t b);
    void CollidePair(Entity& a, Entity& b);

    BroadPhase broadPhase = BroadPhase::Tree;
    // This pass's colliders, their boxes and A's candidates; rebuilt every pass,
    // kept only so that their storage is reused and a pass allocates nothing once
    // the level's size is reached.
    std::vector<Entity*> colliders;
    std::vector<ColliderBounds> startBounds;
    BoxTree boxes;
    std::vector<std::size_t> candidates;
};
} // namespace Orvex
