#include <gtest/gtest.h>

#include "messaging/Message.h"
#include "messaging/MessageNames.h"

namespace Orvex
{
namespace
{
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
