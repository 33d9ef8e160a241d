#include "game/states/SpeedrunGS.h"

#include "data/Level.h"
#include "engine/Engine.h"
#include "game/states/ClockText.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(SpeedrunGS)

namespace
{
constexpr float runClockDrop = 0.12f; // device units beneath the level clock
} // namespace

void SpeedrunGS::Init()
{
    Gameplay::Init();
    Engine::Get()->SetFrameLimiter(true);
    runClock.reset(CreateFromArchetype("Timer", clockArchetype));
    if (Transform* transform = runClock->Get<Transform>())
        transform->position.y -= runClockDrop;
}

void SpeedrunGS::Shutdown()
{
    runClock.reset();
    Gameplay::Shutdown();
}

void SpeedrunGS::OnLevelLoad()
{
    Gameplay::OnLevelLoad();
    runTime = 0.0f;
}

void SpeedrunGS::Update(float dt)
{
    Gameplay::Update(dt);
    Engine::Get()->SetFrameLimiter(true);
    if (levelRunning)
    {
        runTime += dt;
        SetClockText(*runClock, RunClockText(runTime));
    }
    ShowClock(*runClock, dt);
}
} // namespace Orvex
