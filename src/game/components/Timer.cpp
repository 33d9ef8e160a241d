#include "game/components/Timer.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Timer)

ORVEX_MEMBERS(Timer) {}

void Timer::Update(float dt) { time += dt; }
} // namespace Orvex
