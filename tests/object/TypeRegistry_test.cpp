#include <gtest/gtest.h>

#include "Probes.h"
#include "object/TypeRegistry.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
template <class Record> std::string RegistrationError(const char* name)
{
    return ErrorOf([&] { Record record(name); });
}

TEST(TypeRegistryRegister, ASecondRecordOfANameIsRefused)
{
    EXPECT_EQ(RegistrationError<META_SYSTEM<ProbeSystem>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem"), &ProbeSystem::Meta());
}

TEST(TypeRegistryRegister, AListedNameOfAnotherKindIsRefused)
{
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("TestGS"),
              "Type attempted to be registered as the wrong kind: TestGS");
    EXPECT_EQ(RegistrationError<META_GAMESTATE<ProbeState>>("ScoreTracker"),
              "Type attempted to be registered as the wrong kind: ScoreTracker");
    EXPECT_EQ(TypeRegistry::Find("TestGS", MetaKind::Component), nullptr);
}

// A listed class this binary does not link, an unknown name and a record of
// another kind are all not there.
TEST(TypeRegistryFind, WhatIsNotRegisteredAsThatKindIsNotFound)
{
    EXPECT_EQ(TypeRegistry::CreateComponent("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(100000), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("ProbeComponent"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeState"), nullptr);
}
} // namespace
} // namespace Orvex
