#include <gtest/gtest.h>

#include "Probes.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
TEST(TypeRegistryFind, ListedClassesNotBuiltInAreNotRegistered)
{
    // This test binary links no component classes of the game.
    EXPECT_EQ(TypeRegistry::Find("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(58), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("TumboController"), nullptr);
}

TEST(TypeRegistryFind, UnknownNamesAreNotRegistered)
{
    EXPECT_EQ(TypeRegistry::Find("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::Find(""), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(100000), nullptr);
}

TEST(TypeRegistryKinds, ARecordOfAnotherKindCountsAsNotRegistered)
{
    EXPECT_NE(TypeRegistry::Find("ProbeComponent", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::Find("ProbeComponent", MetaKind::Gamestate), nullptr);
    EXPECT_EQ(TypeRegistry::Find("ProbeComponent", MetaKind::System), nullptr);
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeSystem"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeState"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("ProbeComponent"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("ProbeSystem"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("ProbeState"), nullptr);
}

TEST(TypeRegistryCreate, ComponentsAndSystemsByName)
{
    IComponent* component = TypeRegistry::CreateComponent("ProbeComponent");
    ASSERT_NE(component, nullptr);
    auto* probe = dynamic_cast<ProbeComponent*>(component);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->label, "none");
    EXPECT_EQ(probe->owner, nullptr);
    ProbeComponent::Meta().Destroy(component);

    ISystem* system = TypeRegistry::CreateSystem("ProbeSystem");
    ASSERT_NE(system, nullptr);
    EXPECT_NE(dynamic_cast<ProbeSystem*>(system), nullptr);
    ProbeSystem::Meta().Destroy(system);
}

template <class Record> std::string RegistrationError(const char* name)
{
    try
    {
        Record record(name);
    }
    catch (const std::string& error)
    {
        return error;
    }
    return "registered";
}

TEST(TypeRegistryRegister, ASecondRecordOfANameIsRefused)
{
    EXPECT_EQ(RegistrationError<META_SYSTEM<ProbeSystem>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem"), &ProbeSystem::Meta());
    EXPECT_EQ(TypeRegistry::Count(MetaKind::System), 8u); // the fixed seven and the probe
}

TEST(TypeRegistryRegister, AListedNameOfAnotherKindIsRefused)
{
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("TestGS"),
              "Type attempted to be registered as the wrong kind: TestGS");
    EXPECT_EQ(RegistrationError<META_GAMESTATE<ProbeState>>("ScoreTracker"),
              "Type attempted to be registered as the wrong kind: ScoreTracker");
    EXPECT_EQ(TypeRegistry::Find("TestGS", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::Count(MetaKind::Component), 88u); // the fixed 86 and the two probes
}
} // namespace
} // namespace Orvex
