#pragma once
// Now and then one of up to four effects, at random, never the same twice in a
// row: creaking planks, a distant hum.

#include "audio/cSound.h"
#include "object/IComponent.h"

namespace Orvex
{
class IdleSound : public IComponent
{
    ORVEX_COMPONENT(IdleSound)

    // Every TimeBetweenPlays seconds plays one effect, not looped, at Volume with a
    // pitch spread of 0.5.
    void Update(float dt) override;
    // k in 1 … NumberOfEffects (NumberOfEffects + 1 on the top draw), redrawn while
    // it repeats the last one when there is a choice.
    int Draw() const;

    // The k-th effect, 1 … 4.
    cSound& Effect(int k);

    cSound idleEffectOne;          // "IdleEffectOne"
    cSound idleEffectTwo;          // "IdleEffectTwo"
    cSound idleEffectThree;        // "IdleEffectThree"
    cSound idleEffectFour;         // "IdleEffectFour"
    int numberOfEffects = 1;       // "NumberOfEffects": how many of the four are candidates
    float volume = 0.0f;           // "Volume": linear gain of each play
    float timeBetweenPlays = 10.0f; // "TimeBetweenPlays": seconds

    float timer = 0.0f; // seconds since the last play
    int lastEffect = 0; // 1 … 4, 0 before the first
};
} // namespace Orvex
