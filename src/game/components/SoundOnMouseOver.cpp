#include "game/components/SoundOnMouseOver.h"

#include "audio/SoundEmitter.h"
#include "game/components/Timer.h"
#include "graphics/CameraView.h"
#include "graphics/CursorHit.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(SoundOnMouseOver)

ORVEX_MEMBERS(SoundOnMouseOver) {}

void SoundOnMouseOver::Init()
{
    RequireComponent<SoundEmitter>();
    RequireComponent<Timer>();
}

void SoundOnMouseOver::Update(float)
{
    if (ActiveCameraMoving())
        return;
    over = focused || CursorOverSolid(*owner);
    if (over && !wasOver)
        Entered();
    wasOver = over;
}

void SoundOnMouseOver::Entered()
{
    Timer* timer = owner->Get<Timer>();
    SoundEmitter* emitter = owner->Get<SoundEmitter>();
    if (!timer || !emitter || timer->time - timer->mark <= kQuietTime)
        return;
    emitter->Play();
    timer->mark = timer->time;
}
} // namespace Orvex
