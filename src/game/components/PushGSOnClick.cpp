#include "game/components/PushGSOnClick.h"

#include "engine/Engine.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(PushGSOnClick)

ORVEX_MEMBERS(PushGSOnClick)
{
    ORVEX_FIELD(gamestate, "Gamestate");
}

void PushGSOnClick::OnClick()
{
    Engine::Get()->PushGamestate(gamestate);
}
} // namespace Orvex
