#pragma once
// Records of component classes: the class record plus its reflected fields.
//
// META_COMPONENT_BASE is the part that needs no class: the loaders, the level
// writer, cloning and the editor find a component's record by name or id and walk
// its fields without knowing the class. A field lives at the component object's
// start plus its offset; "start" is the most-derived object's address, which is
// the class's own address because a record only ever describes objects that its
// own Create made.

#include <cstddef>
#include <string>
#include <vector>

#include "data/DataError.h"
#include "object/FieldInfo.h"
#include "object/MetaClass.h"
#include "object/MetaPod.h"

namespace Orvex
{
class IComponent;

class META_COMPONENT_BASE : public META_BASE
{
public:
    // Reflected members in registration order.
    std::vector<FieldInfo> fields;

    template <class Member> void AddField(const std::string& key, std::size_t offset)
    {
        fields.push_back({key, static_cast<unsigned>(offset), &META_POD<Member>::Get()});
    }

    IComponent* CreateComponent() const;
    // Each field's Deserialize from object: only keys with a value change fields.
    // place: where object lies (the file and the entity), which error texts name
    // together with this component and the field's key.
    void ReadFields(IComponent& component, const Deserializer& object,
                    const DataPlace& place = DataPlace()) const;
    // Each field's Serialize, in field order, to the serialisation output.
    void WriteFields(const IComponent& component) const;
    // Each field's Copy; members that are not reflected keep their values.
    void CopyFields(const IComponent& from, IComponent& to) const;

    // The field's value as its type writes it in a data file (the text after "=").
    static std::string FieldText(const IComponent& component, const FieldInfo& field);
    // Sets the field from such a text. An empty text gives the value the type's
    // Create makes, where reading a file would leave the field as it is.
    static void SetFieldText(IComponent& component, const FieldInfo& field, const std::string& text);

    static void* FieldAddress(IComponent& component, const FieldInfo& field);
    static const void* FieldAddress(const IComponent& component, const FieldInfo& field);

protected:
    META_COMPONENT_BASE(const std::string& name, unsigned size, MetaKind kind)
        : META_BASE(name, size, kind)
    {
    }
};

// Registration calls T::RegisterMembers(*this) to list T's fields.
template <class T>
class META_COMPONENT : public META_CLASS<T, IComponent, MetaKind::Component, META_COMPONENT_BASE>
{
public:
    using Type = T;

    explicit META_COMPONENT(const std::string& name)
        : META_CLASS<T, IComponent, MetaKind::Component, META_COMPONENT_BASE>(name)
    {
        T::RegisterMembers(*this);
    }
};
} // namespace Orvex
