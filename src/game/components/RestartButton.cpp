#include "game/components/RestartButton.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Log.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RestartButton)

ORVEX_MEMBERS(RestartButton) {}

void RestartButton::OnClick()
{
    Engine& engine = *Engine::Get();
    const auto& states = engine.Gamestates();
    if (states.size() < 2)
    {
        Log("Restart refused: no game state below this one to restart");
        return;
    }
    IGamestate& uncovered = *states[states.size() - 2];
    uncovered.RequestLevel(uncovered.CurrentLevel());
    engine.PopGamestates(1);
}
} // namespace Orvex
