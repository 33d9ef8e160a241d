#include "game/components/CollideFade.h"

#include <algorithm>

#include "game/components/Touch.h"
#include "graphics/Color.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CollideFade)

ORVEX_MEMBERS(CollideFade)
{
    ORVEX_FIELD(fadeSpeed, "FadeSpeed");
    ORVEX_FIELD(fadeUntilCollide, "FadeUntilCollide");
}

void CollideFade::Init()
{
    RequireComponent<RigidBody>();
    RequireComponent<Color>();
    Subscribe(MSG_COLLISION, &CollideFade::OnCollision);
}

void CollideFade::OnCollision(const void* payload)
{
    if (PlayerToucher(payload))
        touched = true;
}

void CollideFade::Update(float dt)
{
    const bool wasTouched = touched;
    touched = false;
    Color* color = owner->Get<Color>();
    if (!color)
        return;
    float& alpha = color->color.a;
    const float step = fadeSpeed * dt;
    if (fadeUntilCollide)
    {
        // Opaque is where it stays.
        if (alpha != 1.0f)
            alpha += wasTouched ? step : -step;
    }
    else if (wasTouched ? alpha != 0.0f : alpha != 1.0f)
        alpha += wasTouched ? -step : step;
    alpha = std::clamp(alpha, 0.0f, 1.0f);
}
} // namespace Orvex
