#pragma once
// Makes the score display swell while points arrive and settle back later.
//
// Each point restarts two timers: growth runs for growthDuration, the shrinking
// waits shrinkDelay. The x change is divided by the window aspect when asked, so
// a display drawn with aspect scaling keeps its proportions.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Transform;

class GrowOnAddScore : public IComponent
{
    ORVEX_COMPONENT(GrowOnAddScore)

    // Needs a Transform; its Scale now is the base scale.
    void Init() override;
    void Update(float dt) override;
    void OnAddScore(const void* payload);

    float maxAddedScale = 1.25f;   // "maxAddedScale": largest added y scale
    float growthRate = 0.2f;       // "growthRate": added scale per second while growing
    float growthDuration = 1.0f;   // "growthDuration": seconds of growth after a point
    float shrinkDelay = 3.0f;      // "shrinkDelay": seconds from a point to the shrinking
    float shrinkRate = 0.125f;     // "shrinkRate": scale removed per second while shrinking
    bool aspectRatioScaling = true; // "aspectRatioScaling"

    tvec2 baseScale{1.0f, 1.0f};  // the Scale at Init
    tvec2 added{0.0f, 0.0f};      // scale on top of the base
    float growTimer = 0.0f;       // seconds of growth left
    float shrinkDelayTimer = 0.0f; // seconds until the shrinking starts
    Transform* transform = nullptr; // not owned

private:
    // The x part of a change of size in y.
    float XChange(float change) const;
};
} // namespace Orvex
