#pragma once
// A springy surface: every contact asks for the other entity's jump to be
// boosted by Scale. The player's controller grants it only after a landing of
// the stick's foot, so a bounce pad sends the player off at Jump x Scale and a
// side bump boosts nothing. A pad with a Scale above 1 and a Color also gives
// the landing its bouncy sparks.

#include "object/IComponent.h"

namespace Orvex
{
class Bouncy : public IComponent
{
    ORVEX_COMPONENT(Bouncy)

    // Needs a collider; listens for MSG_COLLISION.
    void Init() override;

    float scale = 1.0f; // "Scale": factor on the jump

private:
    void OnCollision(const void* payload);
};
} // namespace Orvex
