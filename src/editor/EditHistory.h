#pragma once
// Undo and redo for the level editor: every editing action is one edit made of
// entity changes, each the entity's state before and after (none: the entity did
// not exist). Entities are named by id; an entity brought back keeps its old id,
// so later edits still find it.

#include "editor/EntitySnapshot.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Orvex
{
class Entity;

struct EntityChange
{
    std::uint32_t id;
    std::optional<EntitySnapshot> before; // none: the edit made the entity
    std::optional<EntitySnapshot> after;  // none: the edit deleted it
};

// The entities undo and redo work on.
class EntityStore
{
public:
    virtual ~EntityStore() = default;
    // The live entity of that id, or null when it does not exist (or is going).
    virtual Entity* FindLive(std::uint32_t id) = 0;
    // Brings a deleted entity back under its id.
    virtual void Recreate(std::uint32_t id, const EntitySnapshot& snapshot) = 0;
    virtual void Discard(std::uint32_t id) = 0;
};

class EditHistory
{
public:
    // Edits kept for undo; the oldest go first.
    static constexpr std::size_t Depth = 500;

    // A new edit: the redo list is dropped. Changes whose before and after are
    // equal are left out; an edit left without changes is not recorded.
    void Record(std::vector<EntityChange> changes);
    // Puts the newest edit back (Undo) or makes the newest undone edit again
    // (Redo); false when there is none.
    bool Undo(EntityStore& store);
    bool Redo(EntityStore& store);
    void Clear();
    bool CanUndo() const { return !done.empty(); }
    bool CanRedo() const { return !undone.empty(); }
    // A number naming the state reached: the serial of the newest edit in force,
    // 0 with none. Equal positions mean equal levels.
    unsigned Position() const { return done.empty() ? 0 : done.back().serial; }

private:
    struct Edit
    {
        unsigned serial;
        std::vector<EntityChange> changes;
    };

    std::vector<Edit> done;   // oldest first
    std::vector<Edit> undone; // most recently undone last
    unsigned nextSerial = 1;
};
} // namespace Orvex
