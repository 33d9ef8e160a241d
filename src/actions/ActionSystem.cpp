#include "actions/ActionSystem.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(ActionSystem)

void ActionSystem::Update(float dt)
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    if (!state)
        return;
    for (const auto& entry : state->Entities())
        if (entry.second)
            AdvanceActions(*entry.second, dt);
}

void AdvanceActions(Entity& entity, float dt)
{
    std::vector<IAction*>& actions = entity.actions;
    std::size_t kept = 0;
    for (IAction* action : actions)
    {
        if (action->Update(dt))
            actions[kept++] = action;
        else
            Delete(action);
    }
    actions.resize(kept);
}
} // namespace Orvex
