#pragma once
// When the level ends, a black ring closes on the player until the next level
// loads: from startRadius to endRadius over the level's EndTimer less pauseTime,
// then held closed for pauseTime.

#include <cstdint>
#include <optional>

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class IrisOnLevelEnd : public IComponent
{
    ORVEX_COMPONENT(IrisOnLevelEnd)

    // Listens for MSG_END_LEVEL.
    void Init() override;
    // While active: advances the timer, works out the radius and draws the ring.
    void Update(float dt) override;

    float startRadius = 0.0f;      // "startRadius": view units
    float endRadius = 0.0f;        // "endRadius"
    float pauseTime = 0.0f;        // "pauseTime": seconds held closed
    bool interpolateAlpha = false; // "interpolateAlpha": fade in while closing

    bool active = false;
    float timer = 0.0f;  // seconds since the level ended
    float radius = 0.0f; // the ring's current inner radius

private:
    void OnEndLevel(const void* payload);
    // The player's height in view space, where the ring is centred.
    float PlayerViewHeight() const;

    // By id, looked up each frame: the player may be removed while the ring closes.
    std::optional<std::uint32_t> playerId;
    tmat3 worldToView{1.0f};
};
} // namespace Orvex
