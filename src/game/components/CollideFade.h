#pragma once
// A see-through plank: its Color alpha fades at FadeSpeed per second while the
// player touches it and returns while it does not; with FadeUntilCollide it
// instead fades away until touched and, once brought back to opaque, stays so.
// The alpha stays within 0 and 1, so a fade never overshoots and then has to
// run back before it shows.

#include "object/IComponent.h"

namespace Orvex
{
class CollideFade : public IComponent
{
    ORVEX_COMPONENT(CollideFade)

    // Needs a RigidBody and a Color; listens for MSG_COLLISION.
    void Init() override;
    // Moves the alpha by the touch of the frame, then forgets the touch.
    void Update(float dt) override;

    float fadeSpeed = 1.0f;        // "FadeSpeed": alpha per second
    bool fadeUntilCollide = false; // "FadeUntilCollide"

    bool touched = false; // by the player since the last update

private:
    void OnCollision(const void* payload);
};
} // namespace Orvex
