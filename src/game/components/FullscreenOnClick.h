#pragma once
// A button that switches the window between fullscreen and windowed.

#include "game/components/ClickButton.h"

namespace Orvex
{
class FullscreenOnClick : public ClickButton
{
    ORVEX_COMPONENT(FullscreenOnClick)

protected:
    void OnClick() override;
};
} // namespace Orvex
