#pragma once
// Classes that only the object tests register. Their names are outside the fixed
// lists, so they take the ids after the list. Registered in Reflection_test.cpp.

#include <string>
#include <vector>

#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/IComponent.h"
#include "object/ISystem.h"

namespace Orvex
{
// What the probes saw: type ids of Init calls and of destructor calls, in order.
struct ProbeLog
{
    static inline std::vector<unsigned> inits;
    static inline std::vector<unsigned> destroyed;
    static void Clear()
    {
        inits.clear();
        destroyed.clear();
    }
};

// Reflected fields, one unreflected member, and a log of Init and destructor calls.
class ProbeComponent : public IComponent
{
    ORVEX_COMPONENT(ProbeComponent)
    ~ProbeComponent() override { ProbeLog::destroyed.push_back(Id()); }
    void Init() override { ProbeLog::inits.push_back(Id()); }

    std::string label = "none";
    float speed = 1.5f;
    int count = -3;
    tvec2 position{1.0f, 2.0f};
    int unreflected = 5;
};

// A second type whose Init requires ProbeComponent or a collider when told to.
class ProbeDependent : public IComponent
{
    ORVEX_COMPONENT(ProbeDependent)
    ~ProbeDependent() override { ProbeLog::destroyed.push_back(Id()); }
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

using EntityPtr = Pooled<Entity>;
} // namespace Orvex
