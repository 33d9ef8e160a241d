#pragma once
// Spins the score display: a constant turn, plus a spin that builds up while
// points arrive and decays a while after the last one.

#include "object/IComponent.h"

namespace Orvex
{
class Transform;

class RotateOnAddScore : public IComponent
{
    ORVEX_COMPONENT(RotateOnAddScore)

    // Needs a Transform.
    void Init() override;
    void Update(float dt) override;
    void OnAddScore(const void* payload);

    float baseRotRate = 0.5f;      // "baseRotRate": radians per second, always
    float maxRotRate = 2.0f;       // "maxRotRate": largest added spin, radians per second
    float rotRatePerPickup = 1.0f; // "rotRatePerPickup": added spin gained per second while spinning up
    float rotDuration = 3.0f;      // "rotDuration": seconds of spin-up after a point
    float slowdownDelay = 2.0f;    // "slowdownDelay": seconds from a point to the decay
    float slowdownRate = 1.0f;     // "slowdownRate": added spin lost per second

    float added = 0.0f;          // radians per second on top of baseRotRate
    float spinUpTimer = 0.0f;    // seconds of spin-up left
    float slowdownTimer = 0.0f;  // seconds until the decay starts
    Transform* transform = nullptr; // not owned
};
} // namespace Orvex
