#include "game/components/PopGSOnKey.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "messaging/Input.h"
#include "messaging/Message.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(PopGSOnKey)

ORVEX_MEMBERS(PopGSOnKey)
{
    ORVEX_FIELD(popCount, "PopCount");
    ORVEX_FIELD(scancode, "Scancode");
}

void PopGSOnKey::Init()
{
    Subscribe(MSG_KEYDOWN, &PopGSOnKey::OnKeyDown);
}

void PopGSOnKey::Update(float)
{
    const IGamestate* state = Engine::Get()->ActiveGamestate();
    if (state && !state->Messages() && scancode >= 0 && Input::KeyWentDown(static_cast<unsigned>(scancode)))
        RequestPops(popCount);
}

void PopGSOnKey::OnKeyDown(const void* payload)
{
    if (static_cast<int>(static_cast<const KeyMessage*>(payload)->scancode) == scancode)
        RequestPops(popCount);
}

void RequestPops(int count)
{
    if (count > 0)
        Engine::Get()->PopGamestates(static_cast<unsigned>(count));
}
} // namespace Orvex
