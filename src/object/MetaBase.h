#pragma once
// The base reflection record: one per reflected type, created before main runs and
// kept until the process ends.
//
// The record keeps its kind. A name alone is not enough to create the right thing:
// a level naming "MessageSystem" as a component, or a "Gamestate" field holding
// "Sprite", must meet "not registered" rather than build an object of another
// family and hand it out as the wrong base class.

#include <string>

namespace Orvex
{
class Deserializer;

enum class MetaKind : unsigned
{
    Pod = 0,       // plain value types, named "pod" + id in order of first use
    Component = 1, // IComponent classes
    Gamestate = 2, // IGamestate classes
    System = 3,    // ISystem classes
};
constexpr unsigned MetaKindCount = 4;

class META_BASE
{
public:
    META_BASE(const META_BASE&) = delete;
    META_BASE& operator=(const META_BASE&) = delete;
    virtual ~META_BASE() = default;

    // A new default object from the memory pools. For the class kinds the pointer
    // is that of the base sub-object (IComponent*, IGamestate*, ISystem*).
    virtual void* Create() const = 0;
    // Writes one key=value line for the value at value. Only plain types write.
    virtual void Serialize(const std::string& key, const void* value) const;
    // Reads key from object into the value at value. Only plain types read.
    virtual void Deserialize(const std::string& key, void* value, const Deserializer& object) const;
    // Copies the value at from onto the value at to. Only plain types copy.
    virtual void Copy(const void* from, void* to) const;
    // Destroys an object that Create made and returns its block to the pools.
    virtual void Destroy(void* object) const = 0;

    std::string name; // registered name, unique across all kinds
    unsigned size;    // bytes of one object of the described type
    unsigned id;      // running number within the kind; the component slot index
    MetaKind kind;

protected:
    // Enters the record in the TypeRegistry, which assigns id (and for plain
    // types the name). Throws "Type attempted to be registered twice: " + name.
    META_BASE(const std::string& name, unsigned size, MetaKind kind);
};
} // namespace Orvex
