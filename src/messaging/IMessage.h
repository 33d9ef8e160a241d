#pragma once
// The base of every message listener (components and systems).
//
// A listener subscribes per message number with one of its member functions;
// the active game state's MessageSystem keeps the handler tables. The destructor
// removes every subscription of the object from the active state's system.

#include <bitset>
#include <cstdint>
#include <vector>

#include "messaging/Message.h"

namespace Orvex
{
class IMessage;

// A listener's member function taking the payload.
using MessageHandler = void (IMessage::*)(const void* payload);

class IMessage
{
public:
    IMessage() = default;
    virtual ~IMessage();
    IMessage(const IMessage&) = delete;
    IMessage& operator=(const IMessage&) = delete;

    // Subscribes this listener to a message number through the active state's
    // message system (nothing happens when it has none). handler is a member
    // function of the derived class: Subscribe(MSG_COLLISION, &Pickup::OnCollision).
    template <class Derived> void Subscribe(std::uint32_t type, void (Derived::*handler)(const void*))
    {
        SubscribeHandler(type, static_cast<MessageHandler>(handler));
    }
    void SubscribeHandler(std::uint32_t type, MessageHandler handler);

    // Every number subscribed to, in order; a number subscribed twice is here twice.
    std::vector<std::uint32_t> subscribedTypes;
    // Bit n set once the object subscribed to number n; never cleared.
    std::bitset<MessageTypeCount> subscribedMask;
};
} // namespace Orvex
