#pragma once
// One burst of the entity's emitter when the level ends.
//
// "onCollision" listens for the level end as well (there is no collision
// trigger); with both keys set the component still bursts only once.

#include "object/IComponent.h"

namespace Orvex
{
class EmitOnMessage : public IComponent
{
    ORVEX_COMPONENT(EmitOnMessage)

    // Needs a ParticleEmitter; listens for MSG_END_LEVEL when either key is set.
    void Init() override;

    bool onLevelEnd = true;   // burst on MSG_END_LEVEL
    bool onCollision = false; // the same as onLevelEnd
    bool emitted = false;     // the one burst has been emitted; not serialised

private:
    void OnLevelEnd(const void* payload);
};
} // namespace Orvex
