#pragma once
// The dog's squash on every landing, and its stretch in the air.
//
// A landing shows impact frame 1 at once and steps forward to the last frame,
// holds it one step and steps back to frame 0, the resting pose. Back at rest the
// falling frames follow one per fallingFrameDuration and the last one is held
// until the next landing: the dog stretches out while it flies. Frame indices
// outside the loaded arrays are never shown, so a count below 2 is harmless.

#include <string>
#include <vector>

#include "object/IComponent.h"

namespace Orvex
{
class Sprite;
struct cTexture;

class WuffinAnimation : public IComponent
{
    ORVEX_COMPONENT(WuffinAnimation)

    // Needs a Sprite; loads both frame sets.
    void Init() override;
    void Update(float dt) override;
    void OnCollision(const void* payload);

    std::string impactTextureName = "wuffinImpact"; // "impactTextureName": frames are <name>_1 ...
    unsigned numFramesImpact = 3;                   // "numFramesImpact"
    float impactFrameDuration = 0.25f;              // "impactFrameDuration": seconds per step
    std::string fallingTextureName = "wuffinFall";  // "fallingTextureName"
    unsigned numFramesFalling = 3;                  // "numFramesFalling"
    float fallingFrameDuration = 0.25f;             // "fallingFrameDuration": seconds per falling frame

    std::vector<cTexture*> impactFrames;  // not owned
    std::vector<cTexture*> fallingFrames; // not owned
    unsigned frame = 0;        // impact frame shown while playing or returning
    unsigned fallingFrame = 0; // next falling frame to show
    bool playing = false;
    bool returning = false;
    Sprite* sprite = nullptr; // not owned
    float timer = 0.0f;       // seconds since the last step

private:
    void StepImpact();
    void StepFalling();
    void Show(const std::vector<cTexture*>& frames, unsigned index);
};
} // namespace Orvex
