#pragma once
// A relay that fires its entity's Activator once it has itself been activated
// a set number of times: three switches that must all be pressed, for example.

#include "object/IComponent.h"

namespace Orvex
{
class MultiActivator : public IComponent
{
    ORVEX_COMPONENT(MultiActivator)

    // Needs an Activator; listens for MSG_SET_ACTIVE.
    void Init() override;

    int activationsUntilActivate = 0; // "ActivationsUntilActivate": 0 or less never fires
    int activations = 0;              // received so far; counts on past the target

private:
    void OnSetActive(const void* payload);
};
} // namespace Orvex
