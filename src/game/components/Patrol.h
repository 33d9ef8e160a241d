#pragma once
// A platform that glides back and forth between target and where it was
// placed, each axis on its own clock: travelTimeX seconds per leg in x,
// travelTimeY in y. The first leg runs from target to the placed position, so
// the platform starts at target when the level starts. Positions are written
// directly, not through the body's velocity.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Patrol : public IComponent
{
    ORVEX_COMPONENT(Patrol)

    // One axis of the patrol: its clock and which way it runs.
    struct Leg
    {
        float timer = 0.0f; // seconds into the current leg
        bool back = false;  // false: from target toward start; true: the way back

        // The coordinate after dt more seconds of legs of travel seconds between
        // start and target; at the turn the coordinate keeps its value.
        float Advance(float current, float start, float target, float travel, float dt);
    };

    // Needs a Transform; remembers its Position as the start.
    void Init() override;
    void Update(float dt) override;

    tvec2 target{0.0f, 0.0f}; // "target": world units
    float travelTimeX = 1.0f; // "travelTimeX": seconds per leg in x
    float travelTimeY = 1.0f; // "travelTimeY": seconds per leg in y

    tvec2 start{0.0f, 0.0f};
    Leg legX;
    Leg legY;
};
} // namespace Orvex
