#pragma once
// Keeps texts current in states that do not update their components (the level
// editor): every SpriteText of the active state gets its update each frame.

#include "object/ISystem.h"

namespace Orvex
{
class UpdateSpriteTextSystem : public ISystem
{
    ORVEX_SYSTEM(UpdateSpriteTextSystem)

    // dt in seconds, passed on to each text.
    void Update(float dt) override;
};
} // namespace Orvex
