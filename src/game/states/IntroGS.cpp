#include "game/states/IntroGS.h"

#include "engine/Engine.h"
#include "messaging/Input.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(IntroGS)

namespace
{
bool AnyInput()
{
    const Input::State& input = Input::Current();
    return input.keys.any() || input.keysWentDown.any() || input.mouseButtons.any() || input.pad.any();
}
} // namespace

IntroGS::IntroGS() : ScreenState({"GraphicsSystem", "MessageSystem"}, "Intro", false) {}

void IntroGS::Resume()
{
    Engine::Get()->PopGamestates(1);
}

void IntroGS::AfterComponents(float dt)
{
    elapsed += dt;
    if (AnyInput())
    {
        Engine::Get()->PushGamestate("MenuGS");
        return;
    }
    if (elapsed < secondScreenAt)
        return;
    if (!secondScreen)
    {
        RequestLevel("Intro2");
        secondScreen = true;
        return;
    }
    if (elapsed >= menuAt)
        Engine::Get()->PushGamestate("MenuGS");
}
} // namespace Orvex
