#pragma once
// A block that slides away with whatever hits it: every contact adds the other
// body's velocity to its own, so a shove sends it gliding and a resting block,
// touched by nothing that moves, stays at rest.

#include "object/IComponent.h"

namespace Orvex
{
class IceBlock : public IComponent
{
    ORVEX_COMPONENT(IceBlock)

    // Needs a RigidBody; listens for MSG_COLLISION.
    void Init() override;

private:
    void OnCollision(const void* payload);
};
} // namespace Orvex
