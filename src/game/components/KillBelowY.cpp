#include "game/components/KillBelowY.h"

#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(KillBelowY)

ORVEX_MEMBERS(KillBelowY)
{
    ORVEX_FIELD(y, "Y");
}

void KillBelowY::Update(float)
{
    const Transform* transform = owner->Get<Transform>();
    IGamestate* state = ActiveState();
    if (transform && state && transform->position.y <= y)
        state->RemoveEntity(owner->id);
}
} // namespace Orvex
