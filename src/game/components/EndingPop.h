#pragma once
// Space leaves the play state once the ending has begun (the EndingTrigger sets
// active).

#include "object/IComponent.h"

namespace Orvex
{
class EndingPop : public IComponent
{
    ORVEX_COMPONENT(EndingPop)

    static constexpr unsigned SpaceKey = 44; // SDL scancode

    // Listens for MSG_KEYDOWN.
    void Init() override;
    void OnKeyDown(const void* payload);

    bool active = false;
};
} // namespace Orvex
