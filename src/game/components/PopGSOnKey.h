#pragma once
// Closes the screen it is on when its key goes down (Escape on the pause card,
// any chosen key on the plain screens).

#include "object/IComponent.h"

namespace Orvex
{
class PopGSOnKey : public IComponent
{
    ORVEX_COMPONENT(PopGSOnKey)

    // Subscribes to MSG_KEYDOWN.
    void Init() override;
    // A state without a message system hears no key messages: there the key is
    // polled instead, so such a screen can still be left.
    void Update(float dt) override;

    int popCount = 0; // "PopCount": states to pop at the end of the frame
    int scancode = 0; // "Scancode": SDL scancode of the key

private:
    void OnKeyDown(const void* payload);
};

// Asks the engine to pop count states at its next change point; nothing for a
// count of 0 or less.
void RequestPops(int count);
} // namespace Orvex
