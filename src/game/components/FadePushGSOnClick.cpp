#include "game/components/FadePushGSOnClick.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(FadePushGSOnClick)

ORVEX_MEMBERS(FadePushGSOnClick)
{
    ORVEX_FIELD(gamestate, "Gamestate");
    ORVEX_FIELD(fadeName, "fadeName");
}

void FadePushGSOnClick::OnClick()
{
    fading = true;
    ShowCurtain(true, 0.0f);
}

void FadePushGSOnClick::Update(float dt)
{
    if (!fading)
        return;
    timer += dt;
    if (timer <= fadeTime)
    {
        ShowCurtain(true, timer / fadeTime);
        return;
    }
    Engine::Get()->PushGamestate(gamestate);
    timer = 0.0f;
    fading = false;
    ShowCurtain(false, 0.0f);
}

void FadePushGSOnClick::ShowCurtain(bool shown, float alpha) const
{
    IGamestate* state = Engine::Get()->ActiveGamestate();
    Entity* curtain = state ? state->FindEntity(fadeName) : nullptr;
    if (!curtain)
        return;
    if (Sprite* sprite = curtain->Get<Sprite>())
        sprite->visible = shown;
    if (Color* color = curtain->Get<Color>())
        color->color = {0.0f, 0.0f, 0.0f, alpha};
}
} // namespace Orvex
