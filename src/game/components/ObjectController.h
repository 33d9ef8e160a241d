#pragma once
// Flies its body by the keyboard, for trying things out: the arrows accelerate
// it by Speed per second, Space spins it half a turn per second, R stops it.

#include "object/IComponent.h"

namespace Orvex
{
class ObjectController : public IComponent
{
    ORVEX_COMPONENT(ObjectController)

    // Needs a Transform and a RigidBody; listens for MSG_KEYDOWN.
    void Init() override;
    // The held keys, dt seconds of them.
    void Update(float dt) override;

    float speed = 1.0f; // "Speed": units per second, per second held

private:
    void OnKeyDown(const void* payload);
};
} // namespace Orvex
