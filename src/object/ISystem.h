#pragma once
// The base of every system. A system's Update walks the top game state's entities
// and reads the component slots it needs by type id, skipping entities where a
// needed slot is empty; systems keep no per-entity lists.

#include "messaging/IMessage.h"
#include "object/Reflection.h"

namespace Orvex
{
class ISystem : public IMessage
{
public:
    ISystem() = default;
    ~ISystem() override = default;

    virtual void Init() {}
    // One step of the system; dt in seconds.
    virtual void Update([[maybe_unused]] float dt) {}
    // Called by the owning game state right before it destroys the system.
    virtual void Shutdown() {}
};
} // namespace Orvex
