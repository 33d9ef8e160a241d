#pragma once
// The score display: "Score: " + collected + " / " + available points of the level.

#include "object/IComponent.h"

namespace Orvex
{
class Gameplay;

class ScoreTracker : public IComponent
{
    ORVEX_COMPONENT(ScoreTracker)

    // Needs a SpriteText.
    void Init() override;
    // Writes the text; without a play state says so and looks again.
    void Update(float dt) override;
    void OnAddScore(const void* payload);

    int score = 0;               // points collected
    Gameplay* play = nullptr;    // not owned
};
} // namespace Orvex
