#include "game/components/PopGSOnClick.h"

#include "game/components/PopGSOnKey.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(PopGSOnClick)

ORVEX_MEMBERS(PopGSOnClick)
{
    ORVEX_FIELD(popCount, "PopCount");
}

void PopGSOnClick::OnClick()
{
    RequestPops(popCount);
}
} // namespace Orvex
