#pragma once
// Makes a button the one that Escape and a gamepad's B press while it is in view:
// the Back of a card, such as the options beside the menu. Not while the view
// glides, so that one press is one step back.

#include "object/IComponent.h"

namespace Orvex
{
class BackButton : public IComponent
{
    ORVEX_COMPONENT(BackButton)

    // Presses every button behaviour of the entity.
    void Update(float dt) override;
};

// Presses every button behaviour (ClickButton) of the entity; false when it has none.
bool PressButtons(Entity& entity);
} // namespace Orvex
