#pragma once
// Drives game states frame by frame without a window: the engine's own frame for
// its fixed points (pushes, housekeeping, message delivery, pops), and updates
// with a fixed step in between, so timings are exact.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "messaging/Input.h"
#include "memory/MemoryManager.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "object/ISystem.h"

namespace Orvex
{
// A state with nothing but a message system, for components tried on their own.
class BareState : public IGamestate
{
public:
    BareState() : IGamestate(false, true) {}
    void Init() override { AddSystem("MessageSystem"); }
    void Update(float dt) override { UpdateComponents(dt); }
    void Shutdown() override {}
};

// A level of nothing but its settings, written for the test and removed after it.
class SettingsLevel
{
public:
    SettingsLevel(const std::string& name, const std::string& endTimer, const std::string& next)
        : path(AssetPath("Levels", name))
    {
        std::ofstream file(path);
        file << "LevelData:\n{\n  VersionMajor=1\n  VersionMinor=3\n  LevelSettings=LevelSettings\n"
                "  Camera=\n}\nEntities:\n{\n  0:\n  {\n    Name=LevelSettings\n    Flags=00\n"
                "    Archetype=\n    Transform:\n    {\n      Position=0,0\n    }\n"
                "    Color:\n    {\n      color=0,0,0,1\n    }\n    LevelSettings:\n    {\n      EndTimer="
             << endTimer << "\n      NextLevel=" << next << "\n    }\n  }\n}\n";
    }
    ~SettingsLevel() { std::remove(path.c_str()); }

private:
    std::string path;
};

class PlayHarness
{
public:
    static constexpr float step = 1.0f / 60.0f; // seconds

    PlayHarness() { engine.ClearFlag(Engine::ACTIVE); }
    ~PlayHarness() { Input::Current() = Input::State(); }

    // Creates a registered state by name, pushes it and runs its first housekeeping.
    IGamestate& Push(const std::string& name)
    {
        IGamestate* state = engine.PushGamestate(name);
        EXPECT_NE(state, nullptr) << name;
        engine.RunFrame();
        return engine.GetActiveGamestate();
    }

    IGamestate& PushBare()
    {
        engine.PushGamestate(New<BareState>());
        engine.RunFrame();
        return engine.GetActiveGamestate();
    }

    // An empty entity of the top state; components are added by the caller,
    // who then calls Init on them (Start).
    Entity& Spawn(const std::string& name)
    {
        Entity* entity = New<Entity>(name);
        engine.GetActiveGamestate().AddEntity(entity);
        return *entity;
    }
    static Entity& Start(Entity& entity)
    {
        entity.InitComponents();
        return entity;
    }
    // Queues a message in the top state; it goes out at the end of the next Frame.
    template <class Record> void Post(std::uint32_t type, const Record& record)
    {
        engine.GetActiveGamestate().Messages()->Post(Message::Make(type, record));
    }

    // One frame: the top state's systems and Update with dt, its messages, then
    // the fixed points of the next frame's start.
    void Frame(float dt = step)
    {
        if (IGamestate* state = engine.ActiveGamestate())
        {
            state->FeedInput();
            for (std::size_t i = 0; i < state->Systems().size(); ++i)
                state->Systems()[i]->Update(dt);
            state->Update(dt);
            if (MessageSystem* messages = state->Messages())
                messages->DeliverAll();
        }
        engine.RunFrame();
    }
    void Frames(int count, float dt = step)
    {
        for (int i = 0; i < count; ++i)
            Frame(dt);
    }

    // The key is down for one frame and up for the next.
    void Press(unsigned scancode)
    {
        Input::KeyDown(scancode);
        Frame();
        Input::KeyUp(scancode);
        Frame();
    }

    Engine engine;
};

// A harness whose top state is a bare one, for components tried on their own.
struct BarePlay : PlayHarness
{
    BarePlay() { PushBare(); }
};
} // namespace Orvex
