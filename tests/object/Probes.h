#pragma once
// Classes that only the object tests register. Their names are outside the fixed
// lists, so they take the ids after the list. Registered in Reflection_test.cpp.

#include <memory>
#include <string>
#include <vector>

#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/IComponent.h"
#include "object/ISystem.h"

namespace Orvex
{
// Every reflected plain type, one unreflected member, and a log of Init and
// destructor calls.
class ProbeComponent : public IComponent
{
    ORVEX_COMPONENT(ProbeComponent)
    ~ProbeComponent() override;
    void Init() override;

    std::string label = "none";
    float speed = 1.5f;
    int count = -3;
    unsigned mask = 7;
    bool active = true;
    tvec2 position{1.0f, 2.0f};
    tvec4 color{0.1f, 0.2f, 0.3f, 0.4f};
    int unreflected = 5;
};

// A second type whose Init requires ProbeComponent or a collider when told to.
class ProbeDependent : public IComponent
{
    ORVEX_COMPONENT(ProbeDependent)
    ~ProbeDependent() override;
    void Init() override;

    bool needsProbe = false;
    bool needsCollider = false;
};

class ProbeSystem : public ISystem
{
    ORVEX_SYSTEM(ProbeSystem)
};

class ProbeState : public IGamestate
{
    ORVEX_GAMESTATE(ProbeState)
    explicit ProbeState(bool checkDependencies = true) : IGamestate(false, checkDependencies) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

// What the probes saw: type ids of Init calls and of destructor calls, in order.
struct ProbeLog
{
    static std::vector<unsigned>& Inits();
    static std::vector<unsigned>& Destroyed();
    static void Clear();
};

using EntityPtr = Pooled<Entity>;
} // namespace Orvex
