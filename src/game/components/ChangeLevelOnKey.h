#pragma once
// A designer's shortcut: keys 1 to 5 load the five play levels in their order.

#include "object/IComponent.h"

namespace Orvex
{
class ChangeLevelOnKey : public IComponent
{
    ORVEX_COMPONENT(ChangeLevelOnKey)

    // Listens for MSG_KEYDOWN.
    void Init() override;

private:
    void OnKeyDown(const void* payload);
};
} // namespace Orvex
