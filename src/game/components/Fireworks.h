#pragma once
// Every Space press fires Count rockets from the entity's place: each is built
// from Archetype and gets a random whole-number speed, up and a little to either
// side, and a random whole number of seconds to live.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class Fireworks : public IComponent
{
    ORVEX_COMPONENT(Fireworks)

    static constexpr unsigned SpaceKey = 44; // SDL scancode

    // Listens for MSG_KEYDOWN.
    void Init() override;
    void OnKeyDown(const void* payload);

    std::string archetype; // "Archetype": one rocket; empty: "Default"
    int count = 0;         // "Count": rockets per press

private:
    void Launch() const;
};
} // namespace Orvex
