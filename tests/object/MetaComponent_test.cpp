#include <gtest/gtest.h>

#include "Probes.h"
#include "data/DataError.h"
#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
// A created component that is destroyed through its record at the end of scope.
struct Created
{
    explicit Created(const char* name) : record(*TypeRegistry::FindComponent(name))
    {
        component = record.CreateComponent();
    }
    ~Created() { record.Destroy(component); }
    ProbeComponent& Probe() const { return dynamic_cast<ProbeComponent&>(*component); }

    const META_COMPONENT_BASE& record;
    IComponent* component;
};

Deserializer ProbeObject()
{
    Deserializer object;
    object.SetValue("Label", "crate");
    object.SetValue("Speed", "0.25");
    object.SetValue("Count", "12");
    object.SetValue("Mask", "4000000000");
    object.SetValue("Active", "0");
    object.SetValue("Position", "3 4");
    object.SetValue("Color", "1,0.5,0,1");
    return object;
}

TEST(ComponentFields, ReadKeepsFieldsWithoutAValueAndIgnoresOtherKeys)
{
    Created created("ProbeComponent");
    Deserializer object;
    object.SetValue("Speed", "");
    object.SetValue("Count", "8");
    object.SetValue("Unknown", "1");
    object.SetValue("unreflected", "99");
    created.record.ReadFields(*created.component, object);
    const ProbeComponent& probe = created.Probe();
    EXPECT_EQ(probe.speed, 1.5f);
    EXPECT_EQ(probe.count, 8);
    EXPECT_EQ(probe.label, "none");
    EXPECT_EQ(probe.unreflected, 5);
    // A value that does not read names the place, this component and the key.
    object.SetValue("Count", "many");
    const auto error = [&](const DataPlace& place) {
        try
        {
            created.record.ReadFields(*created.component, object, place);
        }
        catch (const std::string& text)
        {
            return text;
        }
        return std::string("no error");
    };
    EXPECT_EQ(error({"./levels/x.txt", "entity 3 (Crate)"}),
              "Error in a file: ./levels/x.txt: entity 3 (Crate), component ProbeComponent, key Count: "
              "'many' is not a whole number");
    EXPECT_EQ(error({}), "component ProbeComponent, key Count: 'many' is not a whole number");
}

TEST(ComponentFields, WrittenFieldsReadBackEqual)
{
    Created source("ProbeComponent");
    source.record.ReadFields(*source.component, ProbeObject());
    SerialOutput output;
    source.record.WriteFields(*source.component);

    Deserializer object;
    std::istringstream lines(output.Text());
    for (std::string line; std::getline(lines, line);)
        object.SetValue(line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
    Created target("ProbeComponent");
    target.record.ReadFields(*target.component, object);
    const ProbeComponent& a = source.Probe();
    const ProbeComponent& b = target.Probe();
    EXPECT_EQ(b.label, a.label);
    EXPECT_EQ(b.speed, a.speed);
    EXPECT_EQ(b.count, a.count);
    EXPECT_EQ(b.mask, a.mask);
    EXPECT_EQ(b.active, a.active);
    EXPECT_EQ(b.position, a.position);
    EXPECT_EQ(b.color, a.color);
}

TEST(ComponentFields, CopyTakesReflectedFieldsOnly)
{
    Created source("ProbeComponent");
    source.record.ReadFields(*source.component, ProbeObject());
    source.Probe().unreflected = 77;
    Created target("ProbeComponent");
    target.record.CopyFields(*source.component, *target.component);
    const ProbeComponent& copy = target.Probe();
    EXPECT_EQ(copy.label, "crate");
    EXPECT_EQ(copy.mask, 4000000000u);
    EXPECT_EQ(copy.position, tvec2(3.0f, 4.0f));
    EXPECT_EQ(copy.color, tvec4(1.0f, 0.5f, 0.0f, 1.0f));
    EXPECT_EQ(copy.unreflected, 5);
}

} // namespace
} // namespace Orvex
