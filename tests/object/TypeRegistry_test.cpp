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

// A second record of a name, or a listed name of another kind, is refused and
// the first stays; what is not registered as the kind asked for is not found
// (a listed class this binary does not link, an unknown name, another kind).
TEST(TypeRegistry, RefusesASecondOrWrongKindRecordAndFindsOnlyWhatIsRegisteredAsThatKind)
{
    EXPECT_EQ(RegistrationError<META_SYSTEM<ProbeSystem>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem"), &ProbeSystem::Meta());
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("TestGS"),
              "Type attempted to be registered as the wrong kind: TestGS");
    EXPECT_EQ(RegistrationError<META_GAMESTATE<ProbeState>>("ScoreTracker"),
              "Type attempted to be registered as the wrong kind: ScoreTracker");
    EXPECT_EQ(TypeRegistry::Find("TestGS", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(100000), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("ProbeComponent"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeState"), nullptr);
}
} // namespace
} // namespace Orvex
