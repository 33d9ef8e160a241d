#include "game/components/KillAfterTime.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/Color.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(KillAfterTime)

ORVEX_MEMBERS(KillAfterTime)
{
    ORVEX_FIELD(time, "Time");
    ORVEX_FIELD(fadeWithTime, "FadeWithTime");
}

void KillAfterTime::Update(float dt)
{
    timer += dt;
    if (fadeWithTime)
        if (Color* color = owner->Get<Color>())
            // A life of zero or less is over at once: fully faded, no division by it.
            color->color.a = time > 0.0f ? 1.0f - timer / time : 0.0f;
    if (timer >= time)
        if (IGamestate* state = Engine::Get()->ActiveGamestate())
            state->RemoveEntity(owner->id);
}
} // namespace Orvex
