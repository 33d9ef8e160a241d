#pragma once
// Takes a set colour when it and the player touch, while Active.

#include "object/IComponent.h"

namespace Orvex
{
class CollideColor : public IComponent
{
    ORVEX_COMPONENT(CollideColor)

    // Needs a Color; listens for MSG_COLLISION.
    void Init() override;

    bool active = false; // "Active"
    float red = 0.0f;    // "Red"
    float green = 0.0f;  // "Green"
    float blue = 0.0f;   // "Blue"
    float alpha = 1.0f;  // "Alpha"

private:
    void OnCollision(const void* payload);
};
} // namespace Orvex
