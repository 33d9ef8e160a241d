#include "messaging/MessageSystem.h"

#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(MessageSystem)

void MessageSystem::Subscribe(IMessage* listener, std::uint32_t type, MessageHandler handler)
{
    listener->subscribedMask.set(type); // throws std::out_of_range past the mask
    listener->subscribedTypes.push_back(type);
    handlers[type][listener] = handler;
}

void MessageSystem::UnsubscribeAll(IMessage* listener)
{
    while (!listener->subscribedTypes.empty())
    {
        handlers[listener->subscribedTypes.back()].erase(listener);
        listener->subscribedTypes.pop_back();
    }
}

void MessageSystem::DeliverAll()
{
    while (!queue.empty())
    {
        // Copied out: handlers may post, and a deque grows by reallocating its map.
        const Message message = queue.front();
        if (message.type == MSG_COLLISION)
            DeliverCollision(message);
        else if (message.type < MessageTypeCount)
            Broadcast(message);
        queue.pop_front();
    }
}

void MessageSystem::DeliverCollision(const Message& message)
{
    const Entity* self = message.As<CollisionMessage>().Self;
    if (!self)
        return;
    HandlerTable& table = handlers[MSG_COLLISION];
    // Slots are re-read every step: a handler may remove a component.
    for (std::size_t id = 0; id < self->components.size(); ++id)
    {
        IComponent* component = self->components[id];
        if (!component || !component->subscribedMask.test(MSG_COLLISION))
            continue;
        // The mask is never cleared, so a component that unsubscribed still has
        // the bit: it simply gets nothing.
        const auto found = table.find(component);
        if (found != table.end())
            (component->*(found->second))(message.payload);
    }
}

void MessageSystem::Broadcast(const Message& message)
{
    HandlerTable& table = handlers[message.type];
    snapshot.assign(table.begin(), table.end());
    for (const auto& entry : snapshot)
    {
        const auto found = table.find(entry.first);
        if (found != table.end())
            (entry.first->*(found->second))(message.payload);
    }
}
} // namespace Orvex
