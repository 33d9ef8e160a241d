#pragma once
// A button that closes the screen it is on (and as many below it as asked).

#include "game/components/ClickButton.h"

namespace Orvex
{
class PopGSOnClick : public ClickButton
{
    ORVEX_COMPONENT(PopGSOnClick)

protected:
    void OnClick() override;

public:
    int popCount = 0; // "PopCount": states to pop at the end of the frame
};
} // namespace Orvex
