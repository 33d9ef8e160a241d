#pragma once
// The base of the interface buttons: a click anywhere is heard, and the button
// acts only when the cursor lies inside its collider. Which mouse button was
// pressed is not asked, and ghost colliders count, so a button can be a ghost
// that nothing collides with.

#include "graphics/CursorHit.h"
#include "object/IComponent.h"

namespace Orvex
{
class ClickButton : public IComponent
{
public:
    // Subscribes to MSG_MOUSEBUTTONDOWN.
    void Init() override;
    // What a click inside does, for the keyboard and the gamepad.
    void Press() { OnClick(); }

protected:
    // The cursor was inside the collider when a mouse button went down.
    virtual void OnClick() = 0;

private:
    void OnMouseDown(const void* payload);
};
} // namespace Orvex
