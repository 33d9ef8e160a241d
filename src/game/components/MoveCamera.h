#pragma once
// A button that glides the view to another part of the same level (the menu's
// options lie beside its main card).

#include "audio/cSound.h"
#include "engine/Math.h"
#include "game/components/ClickButton.h"

namespace Orvex
{
class MoveCamera : public ClickButton
{
    ORVEX_COMPONENT(MoveCamera)

protected:
    // Tweens the active camera's position to Position over a second, easing out,
    // and plays Sound. Nothing moves when the state has no camera or it has no
    // Transform.
    void OnClick() override;

public:
    static constexpr float glideTime = 1.0f; // seconds

    tvec2 position{0.0f, 0.0f}; // "Position": world point the view centres on
    cSound sound;               // "Sound": played once at full volume on the click
};
} // namespace Orvex
