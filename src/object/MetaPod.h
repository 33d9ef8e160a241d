#pragma once
// The record of one plain value type that a component field may hold. Created on
// first use (usually while a component registers a field of that type) and named
// "pod" + id by the registry. Its behaviour is PodTraits<T>'s.

#include "memory/MemoryManager.h"
#include "object/MetaBase.h"
#include "object/PodTraits.h"

namespace Orvex
{
template <class T> class META_POD : public META_BASE
{
public:
    // The one record of T; the editor compares FieldInfo::type against it.
    static const META_POD& Get()
    {
        static const META_POD record;
        return record;
    }

    // A value-initialised T (zero, false, empty) from the pools.
    void* Create() const override { return New<T>(); }
    void Destroy(void* object) const override { Delete(static_cast<T*>(object)); }

    void Serialize(const std::string& key, const void* value) const override
    {
        PodTraits<T>::Serialize(key, *static_cast<const T*>(value));
    }
    void Deserialize(const std::string& key, void* value, const Deserializer& object) const override
    {
        PodTraits<T>::Deserialize(key, *static_cast<T*>(value), object);
    }
    void Copy(const void* from, void* to) const override
    {
        PodTraits<T>::Copy(*static_cast<const T*>(from), *static_cast<T*>(to));
    }

private:
    META_POD() : META_BASE("", sizeof(T), MetaKind::Pod) {}
};
} // namespace Orvex
