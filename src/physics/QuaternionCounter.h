#pragma once
// A console counter: every five seconds it prints "Quaternion Counter: " and
// its Count. Only the collision pass raises the count, when a circle collider
// turns up, which no collider class makes.

#include "object/IComponent.h"

namespace Orvex
{
class IGamestate;

class QuaternionCounter : public IComponent
{
    ORVEX_COMPONENT(QuaternionCounter)

    static constexpr float Period = 5.0f; // seconds between two lines

    void Update(float dt) override;

    int count = 0; // "Count"

    float timer = 0.0f;
};

// Raises the count of every QuaternionCounter of the state by one.
void CountCircle(const IGamestate& state);
} // namespace Orvex
