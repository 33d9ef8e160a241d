#pragma once

namespace Orvex
{
// A timed change of one component value, owned by its entity's action list.
// The ActionSystem advances it once per frame and destroys it when it is done.
class IAction
{
public:
    virtual ~IAction() = default;
    // Advances by dt seconds and writes the new value into the target: true while
    // the action is still running, false once it has written its end value.
    virtual bool Update(float dt) = 0;
    // The value the action writes into; null when it writes nothing of a
    // component's. Removing a component ends the actions whose target lies in it.
    virtual const void* Target() const { return nullptr; }
};
} // namespace Orvex
