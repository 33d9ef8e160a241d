#pragma once
// One game object: a name and one component slot per registered component type.
//
// The slots are an array indexed by component type id, so every look-up is one
// index: 86-odd pointers per entity buy constant-time access for every system and
// component, with no search and no name comparison. Entities come from the memory
// pools (New<Entity>) and are destroyed through Delete, which destroys their
// components and remaining actions.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/IAction.h"
#include "object/IComponent.h"

namespace Orvex
{
class BaseCollider;

class Entity
{
public:
    // Bit positions in flags.
    enum Flag : unsigned
    {
        Locked = 0,            // not editable in the level editor
        ArchetypeInstance = 1, // saved as its archetype plus its Transform
    };

    // Takes the next id of the process-wide counter (the first entity gets 0);
    // every slot empty, flags 0.
    explicit Entity(const std::string& name);
    // Destroys the components in id order, then the actions still listed.
    ~Entity();
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // The component in a slot, or null.
    template <class T> T* Get() const { return static_cast<T*>(Get(T::Id())); }
    IComponent* Get(unsigned typeId) const
    {
        return typeId < components.size() ? components[typeId] : nullptr;
    }

    // Takes ownership of component (made by the record of type typeId), sets its
    // owner and stores it. The slot must be empty: otherwise the component is
    // destroyed and "Entity <name> already has component: <type>" thrown.
    void Attach(unsigned typeId, IComponent* component);
    // A new T attached to this entity (no Init).
    template <class T> T* Add()
    {
        T* component = New<T>();
        Attach(T::Id(), component);
        return component;
    }
    // The editor's add: creates and attaches a component by type name and returns
    // it for the caller to Init. An occupied slot prints
    // "ERROR: Entity already has component: <type>" to standard error and changes
    // nothing; an unregistered name changes nothing. Null in both cases.
    IComponent* AddComponent(const std::string& typeName);
    // Destroys the component of that type at once and empties its slot, first
    // ending the actions that write into it; nothing when the entity has none. A
    // component may remove itself from its own Update but must not touch its
    // members afterwards.
    void RemoveComponent(const std::string& typeName);
    // Init on every present component, in type id order.
    void InitComponents();
    // A new entity (new id) with the same name and archetype, flags 0, and a copy
    // of every component's reflected fields; its components are then initialised.
    // If an Init throws, the clone is destroyed and the error passed on.
    Entity* Clone() const;

    // Destroys the listed actions whose target lies in the size bytes at begin.
    void EndActionsInside(const void* begin, std::size_t size);

    std::vector<IAction*> actions; // running tweens in the order added; owned
    std::string name;              // not unique; look-ups take the first match
    std::string archetype;         // the archetype built from; empty when none
    BaseCollider* collider = nullptr; // set by the collider component's Init
    std::uint32_t id;              // unique in the process
    std::bitset<2> flags;          // see Flag
    std::vector<IComponent*> components; // one slot per component type id; null: absent
};
} // namespace Orvex
