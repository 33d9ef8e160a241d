#pragma once
// Every mouse click, anywhere and with any button, puts a new entity of the
// archetype where the cursor points in the world.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class CreateOnClick : public IComponent
{
    ORVEX_COMPONENT(CreateOnClick)

    // Listens for MSG_MOUSEBUTTONDOWN.
    void Init() override;

    std::string archetype; // "Archetype": "" is the "Default" archetype

private:
    void OnMouseDown(const void* payload);
};
} // namespace Orvex
