#pragma once
// The pause card's restart: closes the card and has the play state beneath it
// load its level afresh.

#include "game/components/ClickButton.h"

namespace Orvex
{
class RestartButton : public ClickButton
{
    ORVEX_COMPONENT(RestartButton)

protected:
    // With no state below the top one there is nothing to restart: logged, and
    // nothing is popped.
    void OnClick() override;
};
} // namespace Orvex
