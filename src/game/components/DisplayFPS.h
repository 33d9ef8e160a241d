#pragma once
// Shows the frames drawn during the last second in its SpriteText.

#include <cstdint>
#include <deque>

#include "object/IComponent.h"

namespace Orvex
{
class DisplayFPS : public IComponent
{
    ORVEX_COMPONENT(DisplayFPS)

    // Requires a SpriteText.
    void Init() override;
    // Tick with the monotonic clock.
    void Update(float dt) override;

    // One frame at now (nanoseconds of a monotonic clock): stamps more than a
    // second older than it are dropped and the text becomes "FPS: " + the count.
    void Tick(std::int64_t now);

    std::deque<std::int64_t> stamps; // nanoseconds, oldest first
    unsigned frames = 0;             // frames seen
};
} // namespace Orvex
