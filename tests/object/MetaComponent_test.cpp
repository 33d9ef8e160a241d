#include <gtest/gtest.h>

#include "Probes.h"
#include "data/DataError.h"
#include "data/Deserializer.h"
#include "object/TypeRegistry.h"
#include "support/ErrorOf.h"

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
        return ErrorOf([&] { created.record.ReadFields(*created.component, object, place); });
    };
    EXPECT_EQ(error({"./levels/x.txt", "entity 3 (Crate)"}),
              "Error in a file: ./levels/x.txt: entity 3 (Crate), component ProbeComponent, key Count: "
              "'many' is not a whole number");
    EXPECT_EQ(error({}), "component ProbeComponent, key Count: 'many' is not a whole number");
}

} // namespace
} // namespace Orvex
