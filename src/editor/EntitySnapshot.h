#pragma once
// What the editor's undo keeps of an entity: its name, flags, archetype and the
// text of every reflected field, by component type. Text, not copies: a copy of a
// sound field would open its file again, and a snapshot of the entity being
// edited is taken every frame.

#include <bitset>
#include <map>
#include <string>
#include <vector>

namespace Orvex
{
class Entity;

struct EntitySnapshot
{
    std::string name;
    std::string archetype;
    std::bitset<2> flags;
    std::map<unsigned, std::vector<std::string>>
        components; // type id -> field texts in field order

    bool operator==(const EntitySnapshot& other) const;
    bool operator!=(const EntitySnapshot& other) const { return !(*this == other); }
};

EntitySnapshot TakeSnapshot(const Entity& entity);

// Makes the entity what the snapshot describes: the fields of components it has
// are written in place (nothing is initialised again), components it lacks are
// made, filled and then initialised in type order, and components the snapshot
// lacks are removed.
void ApplySnapshot(Entity& entity, const EntitySnapshot& snapshot);
} // namespace Orvex
