#include "game/states/ScreenState.h"

#include "engine/Engine.h"
#include "messaging/Input.h"

namespace Orvex
{
ScreenState::ScreenState(std::vector<std::string> systemNames, std::string level, bool showCursor)
    : IGamestate(showCursor, true), systemNames(std::move(systemNames)), level(std::move(level))
{
}

void ScreenState::Init()
{
    for (const std::string& name : systemNames)
        AddSystem(name);
    RequestLevel(level);
}

void ScreenState::Update(float dt)
{
    UpdateComponents(dt);
    focus.Update(*this);
    AfterComponents(dt);
}

void ScreenState::PopOnBack(bool alsoOnStart)
{
    if (Input::BackWentDown() || (alsoOnStart && Input::PadWentDown(Input::PadStart)))
        Engine::Get()->PopGamestates(1);
}
} // namespace Orvex
