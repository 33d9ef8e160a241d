#include "game/runs/LevelRunner.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

#include <SDL.h>

#include "audio/SoundManager.h"
#include "engine/Engine.h"
#include "engine/Window.h"
#include "game/components/ScoreTracker.h"
#include "game/states/Gameplay.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
LevelRunner::LevelRunner(RecordedRun run, const std::string& stateName)
    : engine(New<Engine>())
{
    // The window size still sets the aspect ratio, which places whatever is
    // drawn in view space (the score bursts among them).
    const Window::Settings window = Window::ReadSettings("./config/window_config.ini");
    Window::ResizeWindow(window.width, window.height);
    IGamestate* state = engine->PushGamestate(stateName);
    play = dynamic_cast<Gameplay*>(state);
    if (!play)
        throw "A level runs in a play state, and \"" + stateName + "\" is none.";
    play->SetCurrentLevel(run.level);
    play->Tape().Replay(std::move(run));
}

LevelRunner::~LevelRunner() { engine->Shutdown(); }

void LevelRunner::Step()
{
    engine->RunFixedFrame(step);
    if (Gameplay* state = Play())
        steps = state->Tape().Steps();
    started = true;
}

bool LevelRunner::StepUntilLevelEnd(std::size_t count)
{
    for (std::size_t i = 0; i < count && !LevelEnded(); ++i)
        Step();
    return LevelEnded();
}

Gameplay* LevelRunner::Play() const
{
    const auto& states = engine->Gamestates();
    return std::find(states.begin(), states.end(), play) != states.end() ? play : nullptr;
}

Entity* LevelRunner::Player() const
{
    Gameplay* state = Play();
    return state ? state->FindEntity("TumboWuffin") : nullptr;
}

bool LevelRunner::LevelEnded() const
{
    // Before the first step the state is not even pushed.
    Gameplay* state = Play();
    return started && (!state || !state->LevelRunning());
}

int LevelRunner::Score() const
{
    Gameplay* state = Play();
    const Entity* hud = state ? state->FindEntity("hud") : nullptr;
    const ScoreTracker* tracker = hud ? hud->Get<ScoreTracker>() : nullptr;
    return tracker ? tracker->score : -1;
}

RecordedRun& LevelRunner::Run() { return play->Tape().Run(); }

RunTape& LevelRunner::Tape() { return play->Tape(); }

std::size_t LevelRunner::Steps() const { return steps; }

void RunBesideTheDataTree()
{
    if (char* base = SDL_GetBasePath())
    {
        std::filesystem::current_path(base);
        SDL_free(base);
    }
    SoundManager::InitManualOutput();
}

std::uint64_t PositionHash(const Entity& entity)
{
    const Transform* transform = entity.Get<Transform>();
    const RigidBody* body = entity.Get<RigidBody>();
    const tvec2 position = transform ? transform->position : tvec2(0.0f);
    const tvec2 velocity = body ? body->velocity : tvec2(0.0f);
    const float values[] = {position.x, position.y, velocity.x, velocity.y};
    unsigned char bytes[sizeof values];
    std::memcpy(bytes, values, sizeof values);
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}
} // namespace Orvex
