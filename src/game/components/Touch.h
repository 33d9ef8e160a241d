#pragma once
// What the furniture asks of a touch: a MSG_COLLISION delivered to its entity,
// whose Self is that entity and Other the one it met. Ghost contacts are touches
// too, so a trigger can be a ghost that nothing bumps into.

namespace Orvex
{
class Entity;

// The other side of the touch when it is the player; null otherwise.
Entity* PlayerToucher(const void* collisionPayload);
// True when either side of the touch is the player.
bool PlayerInvolved(const void* collisionPayload);
} // namespace Orvex
