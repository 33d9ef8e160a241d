#include "messaging/IMessage.h"

#include "engine/Engine.h"

namespace Orvex
{
IMessage::~IMessage()
{
    if (Engine* engine = Engine::Get())
        engine->UnsubscribeAll(this);
}

void IMessage::SubscribeHandler(std::uint32_t type, MessageHandler handler)
{
    if (Engine* engine = Engine::Get())
        engine->Subscribe(this, type, handler);
}
} // namespace Orvex
