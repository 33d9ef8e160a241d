#pragma once
// Making a class known to the TypeRegistry: two lines per class.
//
//   // Transform.h                           // Transform.cpp
//   class Transform : public IComponent      ORVEX_REGISTER_COMPONENT(Transform)
//   {                                        ORVEX_MEMBERS(Transform)
//       ORVEX_COMPONENT(Transform)           {
//       ...                                      ORVEX_FIELD(position, "Position");
//   };                                           ORVEX_FIELD(scale, "Scale");
//                                            }
//
// Systems use ORVEX_SYSTEM / ORVEX_REGISTER_SYSTEM and game states ORVEX_GAMESTATE
// / ORVEX_REGISTER_GAMESTATE (they have no fields). The class macros leave the
// class body in public access. The class's name, unqualified, is its registered
// name; write the registration inside namespace Orvex.
//
// The record is a function-local static of Meta(), so it exists whenever it is
// first asked for, whatever the static initialisation order of the files; the
// registration object only makes sure that this happens before main. Id() is the
// component slot index: an inline call and a read, no look-up by name.

#include <cstddef>
#include <type_traits>

#include "object/MetaClass.h"
#include "object/MetaComponent.h"

namespace Orvex
{
// Runs a class's registration during static initialisation. A registry error
// there cannot be caught by anyone, so it is printed to standard error and the
// process is aborted.
class StartupRegistration
{
public:
    explicit StartupRegistration(void (*registerClass)());
};
} // namespace Orvex

#define ORVEX_REFLECTED_CLASS(Class, Record)                                                       \
public:                                                                                            \
    static Record<Class>& Meta()                                                                   \
    {                                                                                              \
        static Record<Class> record(#Class);                                                       \
        return record;                                                                             \
    }                                                                                              \
    static unsigned Id() { return Meta().id; }

#define ORVEX_COMPONENT(Class)                                                                     \
    ORVEX_REFLECTED_CLASS(Class, ::Orvex::META_COMPONENT)                                          \
    static void RegisterMembers(::Orvex::META_COMPONENT<Class>& meta);

#define ORVEX_SYSTEM(Class) ORVEX_REFLECTED_CLASS(Class, ::Orvex::META_SYSTEM)
#define ORVEX_GAMESTATE(Class) ORVEX_REFLECTED_CLASS(Class, ::Orvex::META_GAMESTATE)

#define ORVEX_REGISTER(Class)                                                                      \
    static const ::Orvex::StartupRegistration orvexRegistration##Class([] { Class::Meta(); });

#define ORVEX_REGISTER_COMPONENT(Class) ORVEX_REGISTER(Class)
#define ORVEX_REGISTER_SYSTEM(Class) ORVEX_REGISTER(Class)
#define ORVEX_REGISTER_GAMESTATE(Class) ORVEX_REGISTER(Class)

// The head of a component's member registration; its body lists ORVEX_FIELDs (or
// stays empty).
#define ORVEX_MEMBERS(Class)                                                                       \
    void Class::RegisterMembers([[maybe_unused]] ::Orvex::META_COMPONENT<Class>& meta)

// One reflected member, inside ORVEX_MEMBERS: the member's name and its key in
// the data files. The member's type needs a PodTraits specialisation.
#define ORVEX_FIELD(member, key)                                                                   \
    meta.AddField<decltype(std::remove_reference_t<decltype(meta)>::Type::member)>(                \
        key, offsetof(std::remove_reference_t<decltype(meta)>::Type, member))
