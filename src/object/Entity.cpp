#include "object/Entity.h"

#include <cstdio>

#include "memory/MemoryManager.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
std::uint32_t nextEntityId = 0;
} // namespace

Entity::Entity(const std::string& name)
    : name(name), id(nextEntityId++), components(TypeRegistry::Count(MetaKind::Component), nullptr)
{
}

Entity::~Entity()
{
    // Each slot is emptied before its component goes, so a destructor that looks
    // at its neighbours never meets one already destroyed.
    for (IComponent*& slot : components)
    {
        IComponent* component = slot;
        slot = nullptr;
        Delete(component);
    }
    for (IAction* action : actions)
        Delete(action);
}

void Entity::Attach(unsigned typeId, IComponent* component)
{
    if (Get(typeId))
    {
        Delete(component);
        throw std::string("Entity " + name + " already has component: " +
                          TypeRegistry::Names(MetaKind::Component).at(typeId));
    }
    component->owner = this;
    components.at(typeId) = component;
}

IComponent* Entity::AddComponent(const std::string& typeName)
{
    const META_COMPONENT_BASE* record = TypeRegistry::FindComponent(typeName);
    if (!record)
        return nullptr;
    if (Get(record->id))
    {
        std::fprintf(stderr, "ERROR: Entity already has component: %s\n", typeName.c_str());
        return nullptr;
    }
    IComponent* component = record->CreateComponent();
    Attach(record->id, component);
    return component;
}

void Entity::RemoveComponent(const std::string& typeName)
{
    const META_COMPONENT_BASE* record = TypeRegistry::FindComponent(typeName);
    IComponent* component = record ? Get(record->id) : nullptr;
    if (!component)
        return;
    // A removed collider must not stay registered as the entity's collider. The
    // collider classes derive from IComponent alone, so the collider pointer and
    // the component's complete object share one address.
    if (static_cast<void*>(collider) == dynamic_cast<void*>(component))
        collider = nullptr;
    components[record->id] = nullptr;
    // A tween left running would write into the freed block.
    EndActionsInside(dynamic_cast<const void*>(component), record->size);
    Delete(component);
}

void Entity::EndActionsInside(const void* begin, std::size_t size)
{
    const auto first = reinterpret_cast<std::uintptr_t>(begin);
    std::size_t kept = 0;
    for (IAction* action : actions)
    {
        const auto target = reinterpret_cast<std::uintptr_t>(action->Target());
        if (action->Target() && target >= first && target - first < size)
            Delete(action);
        else
            actions[kept++] = action;
    }
    actions.resize(kept);
}

void Entity::InitComponents()
{
    for (IComponent* component : components)
        if (component)
            component->Init();
}

Entity* Entity::Clone() const
{
    Entity* clone = New<Entity>(name);
    clone->archetype = archetype;
    try
    {
        for (unsigned typeId = 0; typeId < components.size(); ++typeId)
        {
            if (!components[typeId])
                continue;
            const META_COMPONENT_BASE* record = TypeRegistry::Component(typeId);
            IComponent* copy = record->CreateComponent();
            clone->Attach(typeId, copy);
            record->CopyFields(*components[typeId], *copy);
        }
        clone->InitComponents();
    }
    catch (...)
    {
        Delete(clone);
        throw;
    }
    return clone;
}
} // namespace Orvex
