#include "messaging/MessageNames.h"

#include <unordered_map>

#include "messaging/Message.h"

namespace Orvex
{
namespace
{
std::unordered_map<std::string, std::uint32_t>& Table()
{
    static std::unordered_map<std::string, std::uint32_t> table = {
        {"MSG_UNKNOWN", MSG_UNKNOWN},
        {"MSG_WINDOW_RESIZED", MSG_WINDOW_RESIZED},
        {"MSG_WINDOW_MOVED", MSG_WINDOW_MOVED},
        {"MSG_KEYDOWN", MSG_KEYDOWN},
        {"MSG_KEYUP", MSG_KEYUP},
        {"MSG_MOUSEBUTTONDOWN", MSG_MOUSEBUTTONDOWN},
        {"MSG_MOUSEBUTTONUP", MSG_MOUSEBUTTONUP},
        {"MSG_COLLISION", MSG_COLLISION},
        {"MSG_MOVE_CAMERA", MSG_MOVE_CAMERA},
        {"MSG_SET_ACTIVE", MSG_SET_ACTIVE},
        {"MSG_END_LEVEL", MSG_END_LEVEL},
        {"MSG_BOUNCE", MSG_BOUNCE},
    };
    return table;
}
} // namespace

std::uint32_t LookupMessageType(const std::string& name) { return Table()[name]; }
} // namespace Orvex
