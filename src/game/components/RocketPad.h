#pragma once
// The rocket pad: touched by the player while Activated, it takes the player
// over for TimeLength seconds. Every frame of the drive it lands the player on
// itself and boosts the jump by JumpFactor, so the player shoots up along its
// lean, with the screen shaking and the player's sparks turned to flames; at the
// end the sparks get their own colours back and the player is let go.
//
// An inactive pad does nothing until a MSG_SET_ACTIVE names it; it then lights
// up to white over a second. The driven player is kept by id, so a player
// removed during the drive is simply let go.

#include <cstdint>
#include <optional>

#include "engine/Math.h"
#include "graphics/cColorChanger.h"
#include "object/IComponent.h"

namespace Orvex
{
class Entity;

class RocketPad : public IComponent
{
    ORVEX_COMPONENT(RocketPad)

    // Needs a collider; listens for MSG_COLLISION and MSG_SET_ACTIVE.
    void Init() override;
    // Drives the player, if one is being driven.
    void Update(float dt) override;

    float timeLength = 5.0f;                                 // "TimeLength": seconds of drive and of shake
    float jumpFactor = 2.0f;                                 // "JumpFactor": boost of every driven jump
    bool activated = true;                                   // "Activated": touches count
    tvec4 fireColor{1.0f, 0.33f, 0.0f, 1.0f};                // "fireColor": the flames
    tvec4 randColor{0.33f, 0.2f, 0.0f, 1.0f};                // "randColor": their spread
    cColorChanger colorChange{0.22f, 0.07f, 0.0f, 0.0f};     // "colorChange": theirs, per second
    float xVelocity = 0.75f;                                 // "xVelocity": of the flames
    float screenShakeAmplitude = 0.275f;                     // "screenShakeAmplitude": world units
    float screenShakeFrequency = 0.01f;                      // "screenShakeFrequency": seconds between jumps

    float timer = 0.0f;                      // seconds of the current drive
    std::optional<std::uint32_t> driven;     // the player's entity id while driving

private:
    // The sparks' own settings, kept while they burn as flames.
    struct SparkSettings
    {
        float velocityX = 0.0f;
        tvec4 color{0.0f};
        tvec4 randomColor{0.0f};
        cColorChanger colorChange;
    };

    void OnCollision(const void* payload);
    void OnSetActive(const void* payload);
    void Drive(Entity& player);
    void Light(Entity& player);
    void LetGo(Entity* player);

    std::optional<SparkSettings> savedSparks; // set while the player's sparks are flames
};
} // namespace Orvex
