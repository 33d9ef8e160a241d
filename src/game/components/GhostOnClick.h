#pragma once
// A text button that switches the speed run's ghost on and off in the player's
// settings; its text says which it is ("Ghost: on", "Ghost: off").

#include "game/components/ClickButton.h"

namespace Orvex
{
class GhostOnClick : public ClickButton
{
    ORVEX_COMPONENT(GhostOnClick)

    // Shows the setting on the entity's SpriteText.
    void Init() override;

protected:
    void OnClick() override;

private:
    void ShowSetting();
};
} // namespace Orvex
