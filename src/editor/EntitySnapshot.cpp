#include "editor/EntitySnapshot.h"

#include "object/Entity.h"
#include "object/MetaComponent.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
bool EntitySnapshot::operator==(const EntitySnapshot& other) const
{
    return name == other.name && archetype == other.archetype && flags == other.flags &&
           components == other.components;
}

EntitySnapshot TakeSnapshot(const Entity& entity)
{
    EntitySnapshot snapshot{entity.name, entity.archetype, entity.flags, {}};
    for (unsigned id = 0; id < entity.components.size(); ++id)
    {
        const IComponent* component = entity.components[id];
        const META_COMPONENT_BASE* record = TypeRegistry::Component(id);
        if (!component || !record)
            continue;
        std::vector<std::string>& texts = snapshot.components[id];
        for (const FieldInfo& field : record->fields)
            texts.push_back(META_COMPONENT_BASE::FieldText(*component, field));
    }
    return snapshot;
}

void ApplySnapshot(Entity& entity, const EntitySnapshot& snapshot)
{
    entity.name = snapshot.name;
    entity.archetype = snapshot.archetype;
    entity.flags = snapshot.flags;
    for (unsigned id = 0; id < entity.components.size(); ++id)
        if (entity.components[id] && !snapshot.components.count(id))
            entity.RemoveComponent(TypeRegistry::Names(MetaKind::Component).at(id));
    std::vector<IComponent*> made;
    for (const auto& [id, texts] : snapshot.components)
    {
        const META_COMPONENT_BASE* record = TypeRegistry::Component(id);
        if (!record)
            continue;
        IComponent* component = entity.Get(id);
        if (!component)
        {
            component = record->CreateComponent();
            entity.Attach(id, component);
            made.push_back(component);
        }
        for (std::size_t i = 0; i < record->fields.size() && i < texts.size(); ++i)
            META_COMPONENT_BASE::SetFieldText(*component, record->fields[i], texts[i]);
    }
    for (IComponent* component : made)
        component->Init();
}
} // namespace Orvex
