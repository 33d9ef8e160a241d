#include "game/states/Gameplay.h"

#include "data/Level.h"
#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "game/states/ClockText.h"
#include "graphics/DrawNow.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/SpriteText.h"
#include "messaging/Input.h"
#include "object/ISystem.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(Gameplay)

namespace
{
constexpr unsigned KeyEscape = 41;
constexpr const char* editorTestLevel = "__level_editor_test_level_";

bool HasGraphicsSystem(const IGamestate& state)
{
    for (const ISystem* system : state.Systems())
        if (dynamic_cast<const GraphicsSystem*>(system))
            return true;
    return false;
}
} // namespace

void SetClockText(Entity& clock, const std::string& text)
{
    if (SpriteText* spriteText = clock.Get<SpriteText>())
        spriteText->text = text;
}

Gameplay::Gameplay() : IGamestate(false, true) { currentLevel = firstLevel; }

void Gameplay::Init()
{
    for (const char* name :
         {"GraphicsSystem", "PhysicsSystem", "CollisionsSystem", "MessageSystem", "ActionSystem"})
        AddSystem(name);
    requestedLevel = currentLevel;
    OnLevelLoad();
    levelClock.reset(CreateFromArchetype("Timer", clockArchetype));
    shownSecond = -1;
}

void Gameplay::Shutdown() { levelClock.reset(); }

void Gameplay::OnLevelLoad()
{
    levelRunning = true;
    levelTime = 0.0f;
    // A level restarted during the hand-over would otherwise start its own with
    // the time the last one had already waited.
    endTimer = 0.0f;
    availablePoints = 0;
    if (!tape.Replaying() && !tape.Recording())
        return;
    if (tape.Run().level != requestedLevel)
    {
        tape.Stop();
        return;
    }
    Random::Seed(tape.Run().seed);
    tape.Rewind();
}

void Gameplay::OnLevelEnd()
{
    levelRunning = false;
    tape.LevelEnded();
}

void Gameplay::FeedInput()
{
    if (levelRunning && tape.Replaying())
        tape.Play();
}

void Gameplay::Update(float dt)
{
    if (levelRunning && tape.Recording())
        tape.Capture();
    UpdateComponents(dt);
    if (Input::KeyWentDown(KeyEscape) || Input::PadWentDown(Input::PadStart))
        Engine::Get()->PushGamestate("PauseGS");
    if (ClockShown() && levelClock)
        ShowClock(*levelClock, dt);
    if (levelRunning)
        TickLevelClock(dt);
    else
        HandOver(dt);
}

bool Gameplay::ClockShown() const
{
    return currentLevel.find("Transition") == std::string::npos && currentLevel != editorTestLevel;
}

void Gameplay::ShowClock(Entity& clock, float dt) const
{
    for (IComponent* component : clock.components)
        if (component)
            component->Update(dt);
    if (Drawn())
        if (const SpriteText* text = clock.Get<SpriteText>())
            DrawSpriteTextNow(*text);
}

bool Gameplay::Drawn() const { return HasGraphicsSystem(*this); }

void Gameplay::HandOver(float dt)
{
    const LevelSettings* settings = LevelSettingsOf(*this);
    // A level without settings has no EndTimer and no next level: it stays ended.
    if (!settings)
        return;
    endTimer += dt;
    if (endTimer < settings->endTimer)
        return;
    endTimer = 0.0f;
    if (settings->nextLevel.empty() || settings->nextLevel[0] != '0')
        requestedLevel = settings->nextLevel;
    else
        Engine::Get()->PopGamestates(1);
}

void Gameplay::TickLevelClock(float dt)
{
    levelTime += dt;
    const int second = static_cast<int>(levelTime);
    if (second == shownSecond)
        return;
    shownSecond = second;
    if (levelClock)
        SetClockText(*levelClock, LevelClockText(levelTime));
}
} // namespace Orvex
