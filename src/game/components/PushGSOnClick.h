#pragma once
// A button that opens another screen or mode on top of the current one.

#include <string>

#include "game/components/ClickButton.h"

namespace Orvex
{
class PushGSOnClick : public ClickButton
{
    ORVEX_COMPONENT(PushGSOnClick)

protected:
    // Pushes the state at the next change point; an unregistered name is refused
    // with a log line.
    void OnClick() override;

public:
    std::string gamestate; // "Gamestate": registered name of the state to push
};
} // namespace Orvex
