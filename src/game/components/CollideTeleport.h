#pragma once
// Puts the player who touches it at NewPos, moving as fast as before.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class CollideTeleport : public IComponent
{
    ORVEX_COMPONENT(CollideTeleport)

    // Listens for MSG_COLLISION.
    void Init() override;

    tvec2 newPos{0.0f, 0.0f}; // "NewPos": world units

private:
    void OnCollision(const void* payload);
};
} // namespace Orvex
