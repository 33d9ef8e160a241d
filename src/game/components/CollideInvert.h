#pragma once
// Turns the view upside down, and back on the next touch, whenever it and the
// player touch: on an obstacle the player bumps into, or on the player itself,
// where every contact flips it.

#include "object/IComponent.h"

namespace Orvex
{
class CollideInvert : public IComponent
{
    ORVEX_COMPONENT(CollideInvert)

    // Listens for MSG_COLLISION.
    void Init() override;

private:
    void OnCollision(const void* payload);
};

// Multiplies the active camera's Size by -1; nothing without a camera.
void InvertActiveCamera();
} // namespace Orvex
