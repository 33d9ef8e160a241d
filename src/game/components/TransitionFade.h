#pragma once
// The curtain of a play level: a black full-screen HUD sprite that fades out
// when the level starts and back in when it ends.
//
// The start fade waits startFadeDelay seconds, then clears over
// startFadeDuration. The end fade is timed from MSG_END_LEVEL: black again
// endFadeDelay + endFadeDuration seconds later, or, when the level's EndTimer
// is shorter, a frame before the EndTimer runs out, so that the screen shows
// black before the next level appears. It darkens from whatever the start fade had
// reached, so a level ended early does not flash.

#include "object/IComponent.h"

namespace Orvex
{
class TransitionFade : public IComponent
{
    ORVEX_COMPONENT(TransitionFade)

    // In play (where dependencies are checked): needs a Color and a Sprite and
    // shows the sprite. Listens for MSG_END_LEVEL.
    void Init() override;
    // Runs the phase under way.
    void Update(float dt) override;

    float startFadeDuration = 1.0f; // "startFadeDuration": seconds
    float startFadeDelay = 0.25f;   // "startFadeDelay": seconds black before it clears
    float endFadeDuration = 1.0f;   // "endFadeDuration": seconds
    float endFadeDelay = 0.5f;      // "endFadeDelay": seconds after the end before it darkens

    bool starting = false;
    bool ending = false;
    bool endHeard = false; // the end fade runs once per level
    float timer = 0.0f;    // seconds into the phase under way

private:
    void OnEndLevel(const void* payload);
    float Alpha() const;
    void SetAlpha(float alpha) const;

    // The end fade as timed for this level, and the alpha it darkens from.
    float endDelay = 0.0f;
    float endDuration = 0.0f;
    float endFrom = 0.0f;
};

// The share (0 to 1) of a fade of duration seconds that follows delay seconds,
// timer seconds into them; a fade of no time is whole at once.
float FadeProgress(float timer, float delay, float duration);
} // namespace Orvex
