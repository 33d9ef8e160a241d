#pragma once
// Records of the three class kinds. META_CLASS holds what they share: objects come
// from the memory pools and are handed out as pointers to their family's base
// (IComponent, ISystem, IGamestate), so that a caller holding only a record can
// create, use and destroy them. META_COMPONENT (MetaComponent.h) adds the fields.

#include "memory/MemoryManager.h"
#include "object/MetaBase.h"

namespace Orvex
{
class ISystem;
class IGamestate;

template <class T, class Base, MetaKind Kind, class Record = META_BASE> class META_CLASS : public Record
{
public:
    explicit META_CLASS(const std::string& name) : Record(name, sizeof(T), Kind) {}

    // A default-constructed T from the pools, as a Base*.
    void* Create() const override { return static_cast<Base*>(New<T>()); }
    // object is a Base* that Create returned.
    void Destroy(void* object) const override { Delete(static_cast<Base*>(object)); }
};

template <class T> class META_SYSTEM : public META_CLASS<T, ISystem, MetaKind::System>
{
public:
    using META_CLASS<T, ISystem, MetaKind::System>::META_CLASS;
};

template <class T> class META_GAMESTATE : public META_CLASS<T, IGamestate, MetaKind::Gamestate>
{
public:
    using META_CLASS<T, IGamestate, MetaKind::Gamestate>::META_CLASS;
};
} // namespace Orvex
