#pragma once
// The pause overlay, level "pause", over a play state; Escape, or a gamepad's B
// or Start, resumes play.

#include "game/states/ScreenState.h"
#include "object/Reflection.h"

namespace Orvex
{
class PauseGS : public ScreenState
{
    ORVEX_GAMESTATE(PauseGS)

public:
    PauseGS();

private:
    void AfterComponents(float dt) override;
};
} // namespace Orvex
