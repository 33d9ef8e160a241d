#include "game/components/TransitionFade.h"

#include <algorithm>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(TransitionFade)

ORVEX_MEMBERS(TransitionFade)
{
    ORVEX_FIELD(startFadeDuration, "startFadeDuration");
    ORVEX_FIELD(startFadeDelay, "startFadeDelay");
    ORVEX_FIELD(endFadeDuration, "endFadeDuration");
    ORVEX_FIELD(endFadeDelay, "endFadeDelay");
}

float FadeProgress(float timer, float delay, float duration)
{
    if (timer <= delay)
        return 0.0f;
    if (!(duration > 0.0f))
        return 1.0f;
    return std::min((timer - delay) / duration, 1.0f);
}

void TransitionFade::Init()
{
    if (DependencyChecksOn())
    {
        RequireComponent<Color>();
        RequireComponent<Sprite>();
        if (Sprite* sprite = owner->Get<Sprite>())
            sprite->visible = true;
    }
    starting = true;
    Subscribe(MSG_END_LEVEL, &TransitionFade::OnEndLevel);
}

void TransitionFade::OnEndLevel(const void*)
{
    if (endHeard)
        return;
    endHeard = true;
    starting = false;
    ending = true;
    timer = 0.0f;
    endFrom = Alpha();
    endDelay = endFadeDelay;
    endDuration = endFadeDuration;
    // Black a frame before the level's EndTimer runs out at the latest: a frame
    // is drawn before its updates, so the last one shown is the one before.
    const IGamestate* state = ActiveState();
    const LevelSettings* level = state ? LevelSettingsOf(*state) : nullptr;
    const float blackBy = level ? level->endTimer - static_cast<float>(Engine::maxDt) : 0.0f;
    if (blackBy > 0.0f && endDelay + endDuration > blackBy)
    {
        endDelay = std::min(endDelay, blackBy);
        endDuration = blackBy - endDelay;
    }
}

void TransitionFade::Update(float dt)
{
    if (!starting && !ending)
        return;
    timer += dt;
    if (ending)
    {
        const float t = FadeProgress(timer, endDelay, endDuration);
        SetAlpha(endFrom + (1.0f - endFrom) * t);
        ending = t < 1.0f;
        return;
    }
    const float t = FadeProgress(timer, startFadeDelay, startFadeDuration);
    SetAlpha(1.0f - t);
    starting = t < 1.0f;
}

float TransitionFade::Alpha() const
{
    const Color* color = owner->Get<Color>();
    return color ? color->color.a : 0.0f;
}

void TransitionFade::SetAlpha(float alpha) const
{
    if (Color* color = owner->Get<Color>())
        color->color = tvec4(0.0f, 0.0f, 0.0f, alpha);
}
} // namespace Orvex
