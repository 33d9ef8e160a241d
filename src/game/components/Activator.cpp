#include "game/components/Activator.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "messaging/Message.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Activator)

ORVEX_MEMBERS(Activator)
{
    ORVEX_FIELD(entityName, "EntityName");
    ORVEX_FIELD(sound, "Sound");
}

void Activator::Activate()
{
    if (Entity* target = FindInActiveState(entityName))
        Engine::Get()->Send(MSG_SET_ACTIVE, SetActiveMessage{target});
    sound.Play(false, 1.0f, 0.0f);
}

const Entity* SetActiveTarget(const void* payload)
{
    return static_cast<const SetActiveMessage*>(payload)->target;
}
} // namespace Orvex
