#include "object/Reflection.h"

#include <gtest/gtest.h>

#include "Probes.h"
#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "object/MetaPod.h"
#include "object/TypeRegistry.h"
#include "support/ErrorOf.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ProbeComponent)
ORVEX_MEMBERS(ProbeComponent)
{
    ORVEX_FIELD(label, "Label");
    ORVEX_FIELD(speed, "Speed");
    ORVEX_FIELD(count, "Count");
    ORVEX_FIELD(position, "Position");
}

ORVEX_REGISTER_COMPONENT(ProbeDependent)
ORVEX_MEMBERS(ProbeDependent)
{
    ORVEX_FIELD(needsProbe, "NeedsProbe");
    ORVEX_FIELD(needsCollider, "NeedsCollider");
}

ORVEX_REGISTER_SYSTEM(ProbeSystem)
ORVEX_REGISTER_GAMESTATE(ProbeState)

void ProbeDependent::Init()
{
    ProbeLog::inits.push_back(Id());
    if (needsProbe)
        RequireComponent<ProbeComponent>();
    if (needsCollider)
        RequireCollider();
}

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
    EXPECT_EQ(TypeRegistry::Find("TestGS", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(100000), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("ProbeComponent"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeState"), nullptr);
}

TEST(RegistrationDeathTest, DuplicateAtStartupIsReportedAndAborts)
{
    EXPECT_DEATH(StartupRegistration([] { META_SYSTEM<ProbeSystem> again("ProbeComponent"); }),
                 "Type attempted to be registered twice: ProbeComponent");
}

// Only keys with a value change fields; a value that does not read names the
// place, the component and the key.
TEST(ComponentFields, ReadKeepsFieldsWithoutAValueAndIgnoresOtherKeys)
{
    const META_COMPONENT_BASE& record = ProbeComponent::Meta();
    Pooled<IComponent> component(record.CreateComponent());
    Deserializer object;
    object.SetValue("Speed", "");
    object.SetValue("Count", "8");
    object.SetValue("Unknown", "1");
    object.SetValue("unreflected", "99");
    record.ReadFields(*component, object);
    const ProbeComponent& probe = dynamic_cast<const ProbeComponent&>(*component);
    EXPECT_EQ(probe.speed, 1.5f);
    EXPECT_EQ(probe.count, 8);
    EXPECT_EQ(probe.label, "none");
    EXPECT_EQ(probe.unreflected, 5);
    object.SetValue("Count", "many");
    const auto error = [&](const DataPlace& place) {
        return ErrorOf([&] { record.ReadFields(*component, object, place); });
    };
    EXPECT_EQ(error({"./levels/x.txt", "entity 3 (Crate)"}),
              "Error in a file: ./levels/x.txt: entity 3 (Crate), component ProbeComponent, key Count: "
              "'many' is not a whole number");
    EXPECT_EQ(error({}), "component ProbeComponent, key Count: 'many' is not a whole number");
}

// Each plain value is written as one line and reads back equal from its text; an
// empty or absent key leaves the value as it was.
TEST(PodValues, OneKeyValueLineThatReadsBackEqualAndAnEmptyValueKeeps)
{
    const auto roundTrip = [](auto value, const std::string& text) {
        using Value = decltype(value);
        SerialOutput output;
        META_POD<Value>::Get().Serialize("V", &value);
        EXPECT_EQ(output.Text(), "V=" + text + "\n");
        Deserializer object;
        object.SetValue("V", text);
        Value read{};
        META_POD<Value>::Get().Deserialize("V", &read, object);
        EXPECT_EQ(read, value) << text;
        object.SetValue("V", "");
        META_POD<Value>::Get().Deserialize("V", &read, object);
        META_POD<Value>::Get().Deserialize("Missing", &read, object);
        EXPECT_EQ(read, value) << text;
    };
    roundTrip(std::string("a=b c"), "a=b c");
    roundTrip(-2147483647 - 1, "-2147483648");
    roundTrip(4294967295u, "4294967295");
    roundTrip(true, "1");
    roundTrip(false, "0");
    roundTrip(-7.125f, "-7.125");
    roundTrip(tvec2(3.0f, -4.5f), "3,-4.5");
    roundTrip(tvec4(0.25f, 0.5f, 1.0f, 0.0f), "0.25,0.5,1,0");
}
} // namespace
} // namespace Orvex
