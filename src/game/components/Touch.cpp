#include "game/components/Touch.h"

#include "game/components/TumboController.h"
#include "messaging/Message.h"

namespace Orvex
{
Entity* PlayerToucher(const void* collisionPayload)
{
    Entity* other = static_cast<const CollisionMessage*>(collisionPayload)->Other;
    return IsPlayer(other) ? other : nullptr;
}

bool PlayerInvolved(const void* collisionPayload)
{
    const CollisionMessage& contact = *static_cast<const CollisionMessage*>(collisionPayload);
    return IsPlayer(contact.Self) || IsPlayer(contact.Other);
}
} // namespace Orvex
