#pragma once
// The queue and the handler tables of one game state.
//
// Posting only queues; DeliverAll, at the end of the frame, hands out the whole
// queue in order. Messages posted by handlers join the end and go out in the
// same pass. MSG_COLLISION is not broadcast: it goes to the subscribed components
// of the entity in its Self field, in component type order, which keeps the most
// frequent message from walking every listener.
//
// Broadcast walks a snapshot of the type's subscribers, and each listener is
// looked up again right before its call: a handler may subscribe or unsubscribe
// listeners (its own type included) without spoiling the walk.

#include <array>
#include <deque>
#include <unordered_map>
#include <utility>
#include <vector>

#include "messaging/Message.h"
#include "object/ISystem.h"

namespace Orvex
{
class MessageSystem : public ISystem
{
    ORVEX_SYSTEM(MessageSystem)

    void Post(const Message& message) { queue.push_back(message); }
    // Records the number in the listener and sets handlers[type][listener],
    // replacing an earlier handler of the same listener. type must be below
    // MessageTypeCount.
    void Subscribe(IMessage* listener, std::uint32_t type, MessageHandler handler);
    // Removes the listener once for every entry of its subscribedTypes.
    void UnsubscribeAll(IMessage* listener);
    void DeliverAll();

    std::size_t QueuedCount() const { return queue.size(); }
    std::size_t SubscriberCount(std::uint32_t type) const { return handlers.at(type).size(); }

private:
    void DeliverCollision(const Message& message);
    void Broadcast(const Message& message);

    using HandlerTable = std::unordered_map<IMessage*, MessageHandler>;
    std::array<HandlerTable, MessageTypeCount> handlers;
    std::deque<Message> queue; // oldest first
    std::vector<std::pair<IMessage*, MessageHandler>> snapshot; // reused by Broadcast
};
} // namespace Orvex
