#include "object/MetaBase.h"

#include "object/TypeRegistry.h"

namespace Orvex
{
META_BASE::META_BASE(const std::string& name, unsigned size, MetaKind kind)
    : name(name), size(size), id(0), kind(kind)
{
    id = TypeRegistry::Register(*this);
}

void META_BASE::Serialize(const std::string&, const void*) const {}

void META_BASE::Deserialize(const std::string&, void*, const Deserializer&) const {}

void META_BASE::Copy(const void*, void*) const {}
} // namespace Orvex
