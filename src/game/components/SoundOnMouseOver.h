#pragma once
// The hover sound of a button: the entity's SoundEmitter plays each time the
// cursor enters it or the keyboard's focus reaches it, unless the last hover sound (the Timer's mark) is 0.2 s old
// or less. It lives with the game because the Timer does.

#include "object/IComponent.h"

namespace Orvex
{
class SoundOnMouseOver : public IComponent
{
    ORVEX_COMPONENT(SoundOnMouseOver)

    static constexpr float kQuietTime = 0.2f; // seconds after a hover sound

    // Needs a SoundEmitter and a Timer.
    void Init() override;
    // Over means drawn, with a solid collider under the cursor. While the camera
    // glides nothing is asked, so a button sliding under a resting cursor is silent.
    void Update(float dt) override;

    bool focused = false; // set by the screen's focus (MenuFocus)
    bool over = false;
    bool wasOver = false;

private:
    void Entered();
};
} // namespace Orvex
