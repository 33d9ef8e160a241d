#include "object/TypeRegistry.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "object/FixedTypeNames.h"
#include "object/MetaComponent.h"

namespace Orvex
{
namespace
{
struct KindTable
{
    std::vector<std::string> names;       // id order
    std::vector<const META_BASE*> byId;   // null where a listed class is absent
};

struct ListedName
{
    MetaKind kind;
    unsigned id;
};

struct Table
{
    Table()
    {
        for (unsigned k = 0; k < MetaKindCount; ++k)
        {
            const MetaKind kind = static_cast<MetaKind>(k);
            KindTable& table = kinds[k];
            table.names = FixedTypeNames(kind);
            table.byId.assign(table.names.size(), nullptr);
            for (unsigned id = 0; id < table.names.size(); ++id)
                listed[table.names[id]] = {kind, id};
        }
    }

    std::unordered_map<std::string, const META_BASE*> records;
    std::unordered_map<std::string, ListedName> listed;
    KindTable kinds[MetaKindCount];
};

Table& Instance()
{
    static Table table;
    return table;
}

KindTable& KindOf(MetaKind kind)
{
    return Instance().kinds[static_cast<unsigned>(kind)];
}

// The id a new record of this kind and name takes; appends unlisted names.
unsigned AssignId(META_BASE& record)
{
    Table& table = Instance();
    KindTable& kind = KindOf(record.kind);
    const auto listed = table.listed.find(record.name);
    if (listed == table.listed.end())
    {
        kind.names.push_back(record.name);
        kind.byId.push_back(nullptr);
        return static_cast<unsigned>(kind.names.size() - 1);
    }
    if (listed->second.kind != record.kind)
        throw std::string("Type attempted to be registered as the wrong kind: " + record.name);
    return listed->second.id;
}

template <class Base> Base* CreateAs(const std::string& name, MetaKind kind)
{
    const META_BASE* record = TypeRegistry::Find(name, kind);
    return record ? static_cast<Base*>(record->Create()) : nullptr;
}
} // namespace

unsigned TypeRegistry::Register(META_BASE& record)
{
    Table& table = Instance();
    if (record.kind == MetaKind::Pod)
        record.name = "pod" + std::to_string(Count(MetaKind::Pod));
    if (table.records.count(record.name))
        throw std::string("Type attempted to be registered twice: " + record.name);
    const unsigned id = AssignId(record);
    table.records[record.name] = &record;
    KindOf(record.kind).byId[id] = &record;
    return id;
}

const META_BASE* TypeRegistry::Find(const std::string& name)
{
    const Table& table = Instance();
    const auto found = table.records.find(name);
    return found == table.records.end() ? nullptr : found->second;
}

const META_BASE* TypeRegistry::Find(const std::string& name, MetaKind kind)
{
    const META_BASE* record = Find(name);
    return record && record->kind == kind ? record : nullptr;
}

const META_COMPONENT_BASE* TypeRegistry::FindComponent(const std::string& name)
{
    // Every record of the component kind is a META_COMPONENT_BASE.
    return static_cast<const META_COMPONENT_BASE*>(Find(name, MetaKind::Component));
}

const META_COMPONENT_BASE* TypeRegistry::Component(unsigned id)
{
    const KindTable& table = KindOf(MetaKind::Component);
    return id < table.byId.size() ? static_cast<const META_COMPONENT_BASE*>(table.byId[id]) : nullptr;
}

const std::vector<std::string>& TypeRegistry::Names(MetaKind kind)
{
    return KindOf(kind).names;
}

unsigned TypeRegistry::Count(MetaKind kind)
{
    return static_cast<unsigned>(KindOf(kind).names.size());
}

IComponent* TypeRegistry::CreateComponent(const std::string& name)
{
    return CreateAs<IComponent>(name, MetaKind::Component);
}

ISystem* TypeRegistry::CreateSystem(const std::string& name)
{
    return CreateAs<ISystem>(name, MetaKind::System);
}

IGamestate* TypeRegistry::CreateGamestate(const std::string& name)
{
    return CreateAs<IGamestate>(name, MetaKind::Gamestate);
}
unsigned TypeRegistry::ListedId(const std::string& name, MetaKind kind)
{
    const std::vector<std::string>& names = FixedTypeNames(kind);
    return static_cast<unsigned>(std::find(names.begin(), names.end(), name) - names.begin());
}
} // namespace Orvex
