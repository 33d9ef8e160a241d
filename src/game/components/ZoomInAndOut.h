#pragma once
// Breathing: grows for Length seconds at Speed per second, then shrinks as
// long, and so on. On a camera entity the view's Size breathes; on any other
// its Scale does, keeping its proportions.

#include "object/IComponent.h"

namespace Orvex
{
class ZoomInAndOut : public IComponent
{
    ORVEX_COMPONENT(ZoomInAndOut)

    void Update(float dt) override;

    float speed = 1.0f;  // "Speed": units per second; the sign flips every Length
    float length = 1.0f; // "Length": seconds each way

    float timer = 0.0f;
};
} // namespace Orvex
