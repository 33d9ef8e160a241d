#include <gtest/gtest.h>

#include <algorithm>

#include "Probes.h"
#include "engine/Engine.h"
#include "object/TypeRegistry.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
// An entity named "Crate" with a ProbeDependent that needs what it is told.
EntityPtr Dependent(bool needsProbe, bool needsCollider)
{
    EntityPtr entity(New<Entity>("Crate"));
    ProbeDependent* dependent = entity->Add<ProbeDependent>();
    dependent->needsProbe = needsProbe;
    dependent->needsCollider = needsCollider;
    return entity;
}

std::string InitError(Entity& entity)
{
    return ErrorOf([&] { entity.InitComponents(); });
}

// The check names the entity and what it lacks until any slot of that type is
// filled; it is on without an engine or a state, and follows the top state's flag.
TEST(DependencyCheck, NamesWhatIsLackingAndFollowsTheTopGameStatesFlag)
{
    EXPECT_TRUE(IComponent::DependencyChecksOn());
    auto needsProbe = Dependent(true, false);
    EXPECT_EQ(InitError(*needsProbe), "Dependency fail. Entity Crate doesn't have Component ProbeComponent");
    needsProbe->Add<ProbeComponent>();
    EXPECT_EQ(InitError(*needsProbe), "no error");
    EXPECT_EQ(InitError(*Dependent(false, true)), "Dependency fail. Entity Crate doesn't have a Collider");
    for (const char* collider : {"BoxCollider", "MeshCollider"})
    {
        auto entity = Dependent(false, true);
        // Any component object stands in for the collider class in its slot.
        entity->Attach(TypeRegistry::ListedId(collider, MetaKind::Component), New<ProbeComponent>());
        EXPECT_EQ(InitError(*entity), "no error") << collider;
    }

    Engine engine;
    EXPECT_TRUE(IComponent::DependencyChecksOn()); // no state yet
    engine.PushGamestate(New<ProbeState>(false));
    engine.RunFrame();
    ASSERT_NE(engine.ActiveGamestate(), nullptr);
    auto entity = Dependent(true, true);
    EXPECT_EQ(InitError(*entity), "no error");
    engine.PushGamestate(New<ProbeState>(true));
    engine.RunFrame();
    EXPECT_EQ(InitError(*entity), "Dependency fail. Entity Crate doesn't have Component ProbeComponent");
}
} // namespace
} // namespace Orvex
