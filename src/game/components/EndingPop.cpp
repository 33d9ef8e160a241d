#include "game/components/EndingPop.h"

#include "game/components/PopGSOnKey.h"
#include "messaging/Message.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(EndingPop)

ORVEX_MEMBERS(EndingPop) {}

void EndingPop::Init() { Subscribe(MSG_KEYDOWN, &EndingPop::OnKeyDown); }

void EndingPop::OnKeyDown(const void* payload)
{
    if (active && static_cast<const KeyMessage*>(payload)->scancode == SpaceKey)
        RequestPops(1);
}
} // namespace Orvex
