#include <gtest/gtest.h>

#include "messaging/Message.h"
#include "messaging/MessageNames.h"

namespace Orvex
{
namespace
{
TEST(MessageNames, TheTwelveNamesHaveTheirNumbers)
{
    const std::pair<const char*, std::uint32_t> names[] = {
        {"MSG_UNKNOWN", 0},         {"MSG_WINDOW_RESIZED", 1}, {"MSG_WINDOW_MOVED", 2},
        {"MSG_KEYDOWN", 3},         {"MSG_KEYUP", 4},          {"MSG_MOUSEBUTTONDOWN", 5},
        {"MSG_MOUSEBUTTONUP", 6},   {"MSG_COLLISION", 9},      {"MSG_MOVE_CAMERA", 10},
        {"MSG_SET_ACTIVE", 12},     {"MSG_END_LEVEL", 13},     {"MSG_BOUNCE", 15},
    };
    for (const auto& [name, number] : names)
        EXPECT_EQ(LookupMessageType(name), number) << name;
}

TEST(MessageNames, TypesWithoutAnEntryAndUnknownNamesYieldZero)
{
    for (const char* name : {"MSG_MOUSEWHEELUP", "MSG_SCREEN_SHAKE", "MSG_ADD_SCORE", "MSG_ROCKET_START",
                             "msg_keydown", "", "MSG_NEVER_HEARD_OF"})
    {
        EXPECT_EQ(LookupMessageType(name), 0u) << name;
        EXPECT_EQ(LookupMessageType(name), 0u) << name << " asked twice";
    }
}
} // namespace
} // namespace Orvex
