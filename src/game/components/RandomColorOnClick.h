#pragma once
// A click on the entity gives it a new random colour.

#include "object/IComponent.h"

namespace Orvex
{
class Color;

class RandomColorOnClick : public IComponent
{
    ORVEX_COMPONENT(RandomColorOnClick)

    // Needs a Color; listens for MSG_MOUSEBUTTONDOWN.
    void Init() override;

private:
    void OnMouseDown(const void* payload);
};

// New random red, green and blue, each in 0 to 1; the alpha stays.
void RandomizeColour(Color& color);
} // namespace Orvex
