#include "editor/EditHistory.h"

#include <algorithm>

namespace Orvex
{
namespace
{
void MakeEntity(EntityStore& store, std::uint32_t id, const std::optional<EntitySnapshot>& state)
{
    Entity* entity = store.FindLive(id);
    if (!state)
    {
        if (entity)
            store.Discard(id);
    }
    else if (entity)
        ApplySnapshot(*entity, *state);
    else
        store.Recreate(id, *state);
}
} // namespace

void EditHistory::Record(std::vector<EntityChange> changes)
{
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [](const EntityChange& change)
                                 { return change.before == change.after; }),
                  changes.end());
    if (changes.empty())
        return;
    undone.clear();
    done.push_back({nextSerial++, std::move(changes)});
    if (done.size() > Depth)
        done.erase(done.begin());
}

bool EditHistory::Undo(EntityStore& store)
{
    if (done.empty())
        return false;
    Edit edit = std::move(done.back());
    done.pop_back();
    for (auto change = edit.changes.rbegin(); change != edit.changes.rend(); ++change)
        MakeEntity(store, change->id, change->before);
    undone.push_back(std::move(edit));
    return true;
}

bool EditHistory::Redo(EntityStore& store)
{
    if (undone.empty())
        return false;
    Edit edit = std::move(undone.back());
    undone.pop_back();
    for (const EntityChange& change : edit.changes)
        MakeEntity(store, change.id, change.after);
    done.push_back(std::move(edit));
    return true;
}

void EditHistory::Clear()
{
    done.clear();
    undone.clear();
}
} // namespace Orvex
