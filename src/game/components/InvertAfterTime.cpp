#include "game/components/InvertAfterTime.h"

#include "game/components/CollideInvert.h"
#include "game/components/Timer.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(InvertAfterTime)

ORVEX_MEMBERS(InvertAfterTime)
{
    ORVEX_FIELD(active, "Active");
    ORVEX_FIELD(time, "Time");
}

void InvertAfterTime::Init() { RequireComponent<Timer>(); }

void InvertAfterTime::Update(float)
{
    const Timer* timer = owner->Get<Timer>();
    if (!active || inverted || !timer || timer->time < time)
        return;
    inverted = true;
    InvertActiveCamera();
}
} // namespace Orvex
