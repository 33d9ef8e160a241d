// Level files name their components: every name in the fixed list must build its
// class, or a level holding it loads with an error line and the piece missing.

#include <gtest/gtest.h>

#include "object/IComponent.h"
#include "object/MetaComponent.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
constexpr unsigned kFixedComponents = 86;

TEST(ComponentNames, EveryFixedNameCreatesItsClassInItsOwnSlot)
{
    const std::vector<std::string>& names = TypeRegistry::Names(MetaKind::Component);
    ASSERT_GE(names.size(), kFixedComponents);
    std::string missing;
    for (unsigned id = 0; id < kFixedComponents; ++id)
    {
        const META_COMPONENT_BASE* record = TypeRegistry::FindComponent(names[id]);
        IComponent* component = TypeRegistry::CreateComponent(names[id]);
        if (!record || record->id != id || !component)
            missing += names[id] + " ";
        if (component)
            record->Destroy(component);
    }
    EXPECT_EQ(missing, "");
}
} // namespace
} // namespace Orvex
