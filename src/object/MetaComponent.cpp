#include "object/MetaComponent.h"

#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "object/IComponent.h"

namespace Orvex
{
IComponent* META_COMPONENT_BASE::CreateComponent() const
{
    return static_cast<IComponent*>(Create());
}

void META_COMPONENT_BASE::ReadFields(IComponent& component, const Deserializer& object,
                                     const DataPlace& place) const
{
    const DataPlace here = place.Within("component " + name);
    for (const FieldInfo& field : fields)
        here.Read(field.name, [&] {
            field.type->Deserialize(field.name, FieldAddress(component, field), object);
        });
}

void META_COMPONENT_BASE::WriteFields(const IComponent& component) const
{
    for (const FieldInfo& field : fields)
        field.type->Serialize(field.name, FieldAddress(component, field));
}

void META_COMPONENT_BASE::CopyFields(const IComponent& from, IComponent& to) const
{
    for (const FieldInfo& field : fields)
        field.type->Copy(FieldAddress(from, field), FieldAddress(to, field));
}

std::string META_COMPONENT_BASE::FieldText(const IComponent& component, const FieldInfo& field)
{
    SerialOutput output;
    Serial::SetIndentation(0);
    field.type->Serialize(field.name, FieldAddress(component, field));
    std::string text = output.Text();
    text.erase(0, field.name.size() + 1); // "key="
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

void META_COMPONENT_BASE::SetFieldText(IComponent& component, const FieldInfo& field,
                                       const std::string& text)
{
    void* value = FieldAddress(component, field);
    if (text.empty())
    {
        void* fresh = field.type->Create();
        field.type->Copy(fresh, value);
        field.type->Destroy(fresh);
        return;
    }
    Deserializer object;
    object.SetValue(field.name, text);
    field.type->Deserialize(field.name, value, object);
}

void* META_COMPONENT_BASE::FieldAddress(IComponent& component, const FieldInfo& field)
{
    return static_cast<char*>(dynamic_cast<void*>(&component)) + field.offset;
}

const void* META_COMPONENT_BASE::FieldAddress(const IComponent& component, const FieldInfo& field)
{
    return static_cast<const char*>(dynamic_cast<const void*>(&component)) + field.offset;
}
} // namespace Orvex
