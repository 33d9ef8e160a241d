#include "game/components/RotateOnAddScore.h"

#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RotateOnAddScore)

ORVEX_MEMBERS(RotateOnAddScore)
{
    ORVEX_FIELD(baseRotRate, "baseRotRate");
    ORVEX_FIELD(maxRotRate, "maxRotRate");
    ORVEX_FIELD(rotRatePerPickup, "rotRatePerPickup");
    ORVEX_FIELD(rotDuration, "rotDuration");
    ORVEX_FIELD(slowdownDelay, "slowdownDelay");
    ORVEX_FIELD(slowdownRate, "slowdownRate");
}

void RotateOnAddScore::Init()
{
    RequireComponent<Transform>();
    transform = owner->Get<Transform>();
    Subscribe(MSG_ADD_SCORE, &RotateOnAddScore::OnAddScore);
}

void RotateOnAddScore::OnAddScore(const void*)
{
    slowdownTimer = slowdownDelay;
    spinUpTimer = rotDuration;
}

void RotateOnAddScore::Update(float dt)
{
    if (slowdownTimer > 0.0f)
        slowdownTimer -= dt;
    else if (added > 0.0f)
        // Never below zero: the display would end up turning slower than its base.
        added = added > slowdownRate * dt ? added - slowdownRate * dt : 0.0f;
    if (spinUpTimer > 0.0f)
    {
        spinUpTimer -= dt;
        if (added < maxRotRate)
            added += rotRatePerPickup * dt;
    }
    if (transform)
        transform->rotation += (added + baseRotRate) * dt;
}
} // namespace Orvex
