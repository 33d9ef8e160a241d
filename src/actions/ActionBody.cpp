#include "actions/ActionBody.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ActionBody)

ORVEX_MEMBERS(ActionBody)
{
    ORVEX_FIELD(ownerName, "Owner");
    ORVEX_FIELD(data, "data");
}
} // namespace Orvex
