#pragma once
// The end of the last level: the player's first touch stops the camera following
// the dog and glides it over 2 s to the final object, shows that object's text,
// lets Space leave the level (its EndingPop) and switches the world's gravity off.
//
// A final object that is not in the level leaves the trigger untouched, so the
// level stays playable (and can be left through the pause screen) rather than
// freezing with no way out.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class EndingTrigger : public IComponent
{
    ORVEX_COMPONENT(EndingTrigger)

    static constexpr float PanTime = 2.0f; // seconds of the camera's glide

    // Listens for MSG_COLLISION.
    void Init() override;
    void OnCollision(const void* payload);

    std::string finalObjectName; // "FinalObjectName"

    bool done = false;
};
} // namespace Orvex
