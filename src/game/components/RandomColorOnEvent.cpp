#include "game/components/RandomColorOnEvent.h"

#include "game/components/RandomColorOnClick.h"
#include "graphics/Color.h"
#include "messaging/MessageNames.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RandomColorOnEvent)

ORVEX_MEMBERS(RandomColorOnEvent)
{
    ORVEX_FIELD(message, "Message");
}

void RandomColorOnEvent::Init()
{
    RequireComponent<Transform>();
    RequireComponent<Color>();
    Subscribe(LookupMessageType(message), &RandomColorOnEvent::OnEvent);
}

void RandomColorOnEvent::OnEvent(const void*)
{
    if (Color* color = owner->Get<Color>())
        RandomizeColour(*color);
}
} // namespace Orvex
