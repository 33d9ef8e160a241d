#include "physics/QuaternionCounter.h"

#include <cstdio>

#include "engine/IGamestate.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(QuaternionCounter)

ORVEX_MEMBERS(QuaternionCounter)
{
    ORVEX_FIELD(count, "Count");
}

void QuaternionCounter::Update(float dt)
{
    timer += dt;
    if (timer < Period)
        return;
    timer = 0.0f;
    std::printf("Quaternion Counter: %d\n", count);
    std::fflush(stdout);
}

void CountCircle(const IGamestate& state)
{
    for (const auto& entry : state.Entities())
        if (QuaternionCounter* counter = entry.second->Get<QuaternionCounter>())
            ++counter->count;
}
} // namespace Orvex
