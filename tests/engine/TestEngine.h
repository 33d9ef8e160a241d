#pragma once
// An engine for the engine and messaging tests, plus test-only game states,
// systems and components that write what happens to them into one trace.
//
// The engine is built in the data folder the tests run in (it reads
// "./config/core_config.ini" and the Square mesh) but opens no window: frames run
// headless, the frame limiter starts off, so RunFrame never sleeps. Hooks
// (std::function members) let a test act from inside a frame, where requests
// made by states, systems and components really happen.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "messaging/Input.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "object/IComponent.h"
#include "object/ISystem.h"

namespace Orvex::Testing
{
inline std::vector<std::string>& Trace()
{
    static std::vector<std::string> lines;
    return lines;
}
inline void Note(const std::string& line) { Trace().push_back(line); }

class TraceState : public IGamestate
{
    ORVEX_GAMESTATE(TraceState)
    TraceState() : IGamestate(true, true) {}
    ~TraceState() override { Note(label + " destroyed"); }
    void Init() override
    {
        Note(label + " Init");
        if (withMessages)
            AddSystem(New<MessageSystem>());
        if (onInit)
            onInit(*this);
    }
    void Update(float dt) override
    {
        UpdateComponents(dt);
        Note(label + " Update");
        if (onUpdate)
            onUpdate(*this);
    }
    void Shutdown() override { Note(label + " Shutdown"); }
    void Resume() override { Note(label + " Resume"); }
    void OnLevelLoad() override { Note(label + " OnLevelLoad"); }
    void OnLevelEnd() override { Note(label + " OnLevelEnd"); }
    void SetShowCursor(bool show) { showCursor = show; }

    std::string label = "state";
    bool withMessages = true; // Init adds a MessageSystem
    std::function<void(TraceState&)> onInit;
    std::function<void(TraceState&)> onUpdate;
};

class TraceSystem : public ISystem
{
    ORVEX_SYSTEM(TraceSystem)
    void Update(float dt) override
    {
        lastDt = dt;
        Note(label + " Update");
    }
    void Shutdown() override { Note(label + " Shutdown"); }

    std::string label = "system";
    float lastDt = 0.0f; // seconds
};

// A component that traces its updates and keeps every payload it hears.
class EarComponent : public IComponent
{
    ORVEX_COMPONENT(EarComponent)
    ~EarComponent() override { Note(label + " destroyed"); }
    void Update(float) override
    {
        Note(label + " Update");
        if (onUpdate)
            onUpdate(*this);
    }
    void Hear(const void* payload)
    {
        Message message;
        std::memcpy(message.payload, payload, MessagePayloadSize);
        heard.push_back(message);
        Note(label + " heard");
        if (onHear)
            onHear(*this, message);
    }

    std::string label = "ear";
    std::vector<Message> heard;
    std::function<void(EarComponent&)> onUpdate;
    std::function<void(EarComponent&, const Message&)> onHear;
};

// A second component type, for orders by component type id.
class SecondEar : public EarComponent
{
    ORVEX_COMPONENT(SecondEar)
};

inline ORVEX_MEMBERS(EarComponent) {}
inline ORVEX_MEMBERS(SecondEar) {}
ORVEX_REGISTER_GAMESTATE(TraceState)
ORVEX_REGISTER_SYSTEM(TraceSystem)
ORVEX_REGISTER_COMPONENT(EarComponent)
ORVEX_REGISTER_COMPONENT(SecondEar)

// Blocks handed out by all pools and not returned.
inline unsigned BlocksInUse()
{
    unsigned total = 0;
    for (unsigned i = 0; i < MemoryManager::PoolCount; ++i)
        total += MemoryManager::Get().Pool(i).Stats().inUse;
    return total;
}

class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Trace().clear();
        Input::Current() = Input::State{};
        engine.reset(New<Engine>());
        engine->SetFlag(Engine::ACTIVE);
    }
    void TearDown() override { engine.reset(); }

    // A state queued for the next frame start.
    TraceState* Queue(const std::string& label)
    {
        TraceState* state = New<TraceState>();
        state->label = label;
        engine->PushGamestate(state);
        return state;
    }
    // A state pushed and initialised by one frame, on top from then on.
    TraceState* Start(const std::string& label)
    {
        TraceState* state = Queue(label);
        engine->RunFrame();
        return state;
    }
    // An entity of state with one ear of type Ear, subscribed to type.
    template <class Ear = EarComponent>
    Ear* AddEar(IGamestate& state, const std::string& label, std::uint32_t type)
    {
        Entity* entity = New<Entity>(label);
        Ear* ear = entity->Add<Ear>();
        ear->label = label;
        state.AddEntity(entity);
        ear->Subscribe(type, &EarComponent::Hear);
        return ear;
    }

    Pooled<Engine> engine;
};
} // namespace Orvex::Testing
