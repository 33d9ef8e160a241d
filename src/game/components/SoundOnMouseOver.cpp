#include "game/components/SoundOnMouseOver.h"

#include "audio/SoundEmitter.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "game/components/Timer.h"
#include "graphics/CursorHit.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(SoundOnMouseOver)

ORVEX_MEMBERS(SoundOnMouseOver) {}

namespace
{
bool CameraGliding()
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    const Entity* camera = state ? state->CameraEntity() : nullptr;
    return camera && !camera->actions.empty();
}
} // namespace

void SoundOnMouseOver::Init()
{
    RequireComponent<SoundEmitter>();
    RequireComponent<Timer>();
}

void SoundOnMouseOver::Update(float)
{
    if (CameraGliding())
        return;
    over = CursorOverSolid(*owner);
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
