#pragma once
// Advances every running action of the top game state's entities once per frame
// and destroys the finished ones. The actions of one entity run side by side in
// the order they were added, so on a shared target the later one wins the frame.

#include "object/ISystem.h"

namespace Orvex
{
class Entity;

class ActionSystem : public ISystem
{
    ORVEX_SYSTEM(ActionSystem)

    // dt in seconds. Nothing happens without an engine or a game state.
    void Update(float dt) override;
};

// One entity's step: each action advanced front to back; finished ones are
// destroyed and unlinked, the others keep their order.
void AdvanceActions(Entity& entity, float dt);
} // namespace Orvex
