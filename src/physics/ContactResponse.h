#pragma once
// Separating a moving body A from the shape B it touches, from the line through
// the two outline crossings.
//
// Two crossings span the contact line; of more, the two farthest apart do. The
// correction is the push that carries the deepest inside vertex perpendicularly
// onto the contact line (or A's inside vertex onto B's when each side has just
// one). With no vertex inside but more than two crossings (a thin or pointed
// body cut through the other), it is the shortest push along an edge normal of
// either outline that parts their placed points, and the surface is that edge.
// A static B bounces A's velocity off the line (or that edge), reversing its
// normal part scaled by 2·0.95² − 1 = 0.805; a moving B takes half the work the
// other way, with no velocity change.

#include "engine/Math.h"

namespace Orvex
{
class Entity;
struct ContactRecord;

// Moves a (and a moving b) and returns the contact point, the midpoint of the
// two spanning crossings. A ghost on either side moves nothing, sets both first
// inside slots to 0 and returns (0, 0). Throws, leaving everything unchanged:
// "Collision System found more or less than 2 collision points" (fewer than two),
// "Tried constructing a line of the same points.",
// "No Mesh point was found during collision check. Might be due to data
// corruption" (two crossings, no vertex inside).
tvec2 ResolveContact(Entity& a, Entity& b, ContactRecord& record);

// Either side's collider is a ghost: the pair's contact is reported, never resolved.
bool EitherIsGhost(const Entity& a, const Entity& b);
} // namespace Orvex
