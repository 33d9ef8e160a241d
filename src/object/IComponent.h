#pragma once
// The base of every component: the data and per-object behaviour that an entity
// holds, one per component type.
//
// Init runs once after every component of the entity exists, in component type id
// order; dependency checks and message subscriptions belong there. The checks are
// skipped while the top game state does not check dependencies (the level
// editor), so a component may be added there before those it needs.

#include "messaging/IMessage.h"
#include "object/Reflection.h"

namespace Orvex
{
class Entity;

class IComponent : public IMessage
{
public:
    IComponent() = default;
    ~IComponent() override = default;

    virtual void Init() {}
    // dt: frame time in seconds.
    virtual void Update([[maybe_unused]] float dt) {}

    // Throw "Dependency fail. Entity <name> doesn't have Component <type>" when
    // the owner lacks the component of that type (id) and checks are on.
    template <class T> void RequireComponent() const { RequireComponent(T::Id()); }
    void RequireComponent(unsigned typeId) const;
    // Throws "Dependency fail. Entity <name> doesn't have a Collider" when the
    // owner has neither a BoxCollider nor a MeshCollider and checks are on.
    void RequireCollider() const;
    // False only while an engine runs a top game state that skips the checks.
    static bool DependencyChecksOn();

    // The entity holding this component; set before Init, never null after.
    Entity* owner = nullptr;
};
} // namespace Orvex
