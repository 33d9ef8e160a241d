#include "game/components/GrowOnAddScore.h"

#include "engine/Window.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(GrowOnAddScore)

ORVEX_MEMBERS(GrowOnAddScore)
{
    ORVEX_FIELD(maxAddedScale, "maxAddedScale");
    ORVEX_FIELD(growthRate, "growthRate");
    ORVEX_FIELD(growthDuration, "growthDuration");
    ORVEX_FIELD(shrinkDelay, "shrinkDelay");
    ORVEX_FIELD(shrinkRate, "shrinkRate");
    ORVEX_FIELD(aspectRatioScaling, "aspectRatioScaling");
}

void GrowOnAddScore::Init()
{
    RequireComponent<Transform>();
    transform = owner->Get<Transform>();
    if (transform)
        baseScale = transform->scale;
    Subscribe(MSG_ADD_SCORE, &GrowOnAddScore::OnAddScore);
}

void GrowOnAddScore::OnAddScore(const void*)
{
    shrinkDelayTimer = shrinkDelay;
    growTimer = growthDuration;
}

float GrowOnAddScore::XChange(float change) const
{
    // Without a window the aspect is unknown (0): the change is taken as it is.
    const float aspect = Window::Aspect();
    return aspectRatioScaling && aspect > 0.0f ? change / aspect : change;
}

void GrowOnAddScore::Update(float dt)
{
    if (shrinkDelayTimer > 0.0f)
        shrinkDelayTimer -= dt;
    else if (added.y > 0.0f)
    {
        added.y -= shrinkRate * dt;
        added.x -= XChange(shrinkRate * dt);
        // The last step would overshoot below the base and leave it there.
        if (added.y <= 0.0f)
            added = tvec2(0.0f, 0.0f);
    }
    if (growTimer > 0.0f)
    {
        growTimer -= dt;
        if (added.y < maxAddedScale)
        {
            added.y += growthRate * dt;
            added.x += XChange(growthRate * dt);
        }
    }
    if (transform)
        transform->scale = baseScale + added;
}
} // namespace Orvex
