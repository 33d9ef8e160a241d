#pragma once
// The entity takes a new random colour whenever the message named by Message
// ("MSG_BOUNCE", "MSG_ADD_SCORE", ...) is sent. The name is looked up once, at
// start; an unknown name listens for message type 0, which nothing sends.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class RandomColorOnEvent : public IComponent
{
    ORVEX_COMPONENT(RandomColorOnEvent)

    // Needs a Transform and a Color; listens for the named message.
    void Init() override;

    std::string message; // "Message": a message name

private:
    void OnEvent(const void* payload);
};
} // namespace Orvex
