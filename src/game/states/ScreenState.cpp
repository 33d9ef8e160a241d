#include "game/states/ScreenState.h"

#include "engine/Engine.h"
#include "messaging/Input.h"

#include <SDL_scancode.h>

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
    AfterComponents(dt);
}

void ScreenState::PopOnEscape()
{
    if (Input::KeyWentDown(SDL_SCANCODE_ESCAPE))
        Engine::Get()->PopGamestates(1);
}
} // namespace Orvex
