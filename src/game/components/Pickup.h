#pragma once
// Something to collect: the player's touch hides it, stops its glow and plays
// its sound; the entity is removed destroyDelay seconds later, so the sound and
// the particles already out can finish.

#include "object/IComponent.h"

namespace Orvex
{
class Pickup : public IComponent
{
    ORVEX_COMPONENT(Pickup)

    // Needs a collider and a Sprite; adds Score to the play state's available points.
    void Init() override;
    void Update(float dt) override;
    void OnCollision(const void* payload);

    int score = 1;              // "Score": points it is worth
    float destroyDelay = 1.5f;  // "destroyDelay": seconds from collection to removal

    bool collected = false;
    float timer = 0.0f; // seconds since collection
};
} // namespace Orvex
