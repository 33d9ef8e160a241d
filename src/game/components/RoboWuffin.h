#pragma once
// The autopilot: T switches it on and off, and while on it plays the player by
// pressing the lean keys at random (both layouts' keys at once), a move at a
// time: lean left, lean right or hold still, each for a long or a short while.
// Switched off during a move, it leaves that move's keys down.

#include "object/IComponent.h"

namespace Orvex
{
class RoboWuffin : public IComponent
{
    ORVEX_COMPONENT(RoboWuffin)

    enum Direction : int
    {
        Left = 0,
        Right = 1,
    };

    // Needs a Transform, a RigidBody and a TumboController; listens for MSG_KEYDOWN.
    void Init() override;
    // Picks the next move, or runs the current one down.
    void Update(float dt) override;

    bool active = false;
    bool busy = false; // a move is under way
    int direction = Left;
    bool freezing = false; // the move is a pause
    float timeLeft = 0.0f; // seconds of the current move

private:
    void OnKeyDown(const void* payload);
    void StartMove();
    void EndMove();
};
} // namespace Orvex
