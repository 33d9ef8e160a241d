#pragma once
// The process-wide table of reflection records: name to record, and per kind the
// names in id order.
//
// Ids of the class kinds come from the fixed lists (FixedTypeNames), not from
// registration order: static initialisation order across files is unspecified,
// and classes are added to the program one by one, yet Transform must be slot 81
// from the first day. Names(kind) is therefore the whole list, and Count(kind)
// its length, even while some listed classes do not exist yet (Find yields null
// for those). A name outside the lists (classes that only tests register) takes
// the next id after the list. Plain types are numbered in order of first use.
//
// Created on first use; filled during static initialisation; read-only after.

#include <string>
#include <vector>

#include "object/MetaBase.h"

namespace Orvex
{
class META_COMPONENT_BASE;
class IComponent;
class ISystem;
class IGamestate;

class TypeRegistry
{
public:
    // The record of that name, or null when none is registered.
    static const META_BASE* Find(const std::string& name);
    // As above, but a record of another kind also counts as not registered.
    static const META_BASE* Find(const std::string& name, MetaKind kind);
    static const META_COMPONENT_BASE* FindComponent(const std::string& name);
    // The component record with that id; null for a listed class not built in and
    // for ids past the end.
    static const META_COMPONENT_BASE* Component(unsigned id);

    // The names of one kind in id order, including listed classes not built in.
    static const std::vector<std::string>& Names(MetaKind kind);
    static unsigned Count(MetaKind kind);
    // The id of a name in its kind's list, whether or not its class is built in;
    // Count(kind) for a name outside the list.
    static unsigned ListedId(const std::string& name, MetaKind kind);

    // New objects by name, or null when the name is not registered as that kind.
    static IComponent* CreateComponent(const std::string& name);
    static ISystem* CreateSystem(const std::string& name);
    static IGamestate* CreateGamestate(const std::string& name);

    // Called by META_BASE's constructor: enters the record and returns its id; for
    // a plain type it also gives the record its generated name. Throws
    // "Type attempted to be registered twice: " + name, and
    // "Type attempted to be registered as the wrong kind: " + name for a name
    // listed under another kind.
    static unsigned Register(META_BASE& record);
};
} // namespace Orvex
