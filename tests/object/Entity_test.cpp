#include "object/Entity.h"

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
EntityPtr MakeEntity(const std::string& name)
{
    ProbeLog::Clear();
    return EntityPtr(New<Entity>(name));
}

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

// The two probes' type ids, in id order.
std::vector<unsigned> ProbeIds()
{
    std::vector<unsigned> ids = {ProbeComponent::Id(), ProbeDependent::Id()};
    std::sort(ids.begin(), ids.end());
    return ids;
}

class CountedAction : public IAction
{
public:
    explicit CountedAction(int& destroyed) : destroyed(destroyed) {}
    ~CountedAction() override { ++destroyed; }
    bool Update(float) override { return true; }
    int& destroyed;
};

// A second component of a type is refused, through Attach with the entity's
// name or through the editor's add by name with a log line; the refused one is
// destroyed, the first stays.
TEST(EntityComponents, AnOccupiedSlotRefusesASecondComponent)
{
    EntityPtr entity = MakeEntity("crate");
    IComponent* added = entity->AddComponent("ProbeComponent");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->owner, entity.get());
    EXPECT_TRUE(ProbeLog::inits.empty()); // the caller runs Init
    EXPECT_EQ(ErrorOf([&] { entity->Attach(ProbeComponent::Id(), New<ProbeComponent>()); }),
              "Entity crate already has component: ProbeComponent");
    EXPECT_EQ(ProbeLog::destroyed.size(), 1u); // the refused one, not the first
    testing::internal::CaptureStderr();
    EXPECT_EQ(entity->AddComponent("ProbeComponent"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: Entity already has component: ProbeComponent\n");
    EXPECT_EQ(entity->Get<ProbeComponent>(), added);
    EXPECT_EQ(entity->AddComponent("NoSuchThing"), nullptr);
    EXPECT_EQ(entity->AddComponent("ProbeSystem"), nullptr);
}

// Removing by name destroys at once and empties the slot (and the collider
// pointer, when the collider goes); names of nothing there change nothing.
TEST(EntityComponents, RemoveByNameDestroysAtOnceAndEmptiesTheSlot)
{
    EntityPtr entity = MakeEntity("crate");
    ProbeComponent* standIn = entity->Add<ProbeComponent>();
    entity->collider = reinterpret_cast<BaseCollider*>(standIn);
    entity->Add<ProbeDependent>();
    entity->RemoveComponent("ProbeDependent");
    EXPECT_EQ(entity->Get<ProbeDependent>(), nullptr);
    EXPECT_NE(entity->collider, nullptr);
    entity->RemoveComponent("ProbeComponent");
    EXPECT_EQ(entity->Get<ProbeComponent>(), nullptr);
    EXPECT_EQ(entity->collider, nullptr);
    EXPECT_EQ(ProbeLog::destroyed, (std::vector<unsigned>{ProbeDependent::Id(), ProbeComponent::Id()}));
    for (const char* absent : {"ProbeComponent", "NoSuchThing", "ProbeSystem"})
        entity->RemoveComponent(absent);
    EXPECT_EQ(ProbeLog::destroyed.size(), 2u);
}

// Init runs in type id order once all exist, whatever order they were added in;
// destruction goes the same order and takes the actions along.
TEST(EntityComponents, InitAndDestructionRunInTypeIdOrder)
{
    int actionsDestroyed = 0;
    EntityPtr entity = MakeEntity("crate");
    entity->Add<ProbeDependent>()->needsProbe = true;
    entity->Add<ProbeComponent>();
    entity->actions.push_back(New<CountedAction>(actionsDestroyed));
    entity->actions.push_back(New<CountedAction>(actionsDestroyed));
    entity->InitComponents();
    EXPECT_EQ(ProbeLog::inits, ProbeIds());
    entity.reset();
    EXPECT_EQ(ProbeLog::destroyed, ProbeIds());
    EXPECT_EQ(actionsDestroyed, 2);
}

TEST(EntityClone, NewIdSameNamesFlagsClearFieldsCopied)
{
    EntityPtr source = MakeEntity("crate");
    source->archetype = "Box";
    source->flags.set(Entity::Locked).set(Entity::ArchetypeInstance);
    ProbeComponent* probe = source->Add<ProbeComponent>();
    probe->label = "copied";
    probe->position = tvec2(7.0f, 8.0f);
    probe->unreflected = 99;
    source->Add<ProbeDependent>();
    ProbeLog::Clear();

    EntityPtr clone(source->Clone());
    EXPECT_EQ(clone->id, source->id + 1); // ids rise, names may repeat
    EXPECT_EQ(clone->name, "crate");
    EXPECT_EQ(clone->archetype, "Box");
    EXPECT_TRUE(clone->flags.none());
    const ProbeComponent* copy = clone->Get<ProbeComponent>();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->owner, clone.get());
    EXPECT_EQ(copy->label, "copied");
    EXPECT_EQ(copy->position, tvec2(7.0f, 8.0f));
    EXPECT_EQ(copy->unreflected, 5);
    EXPECT_EQ(ProbeLog::inits, ProbeIds()); // both copied, then Init in id order
}

TEST(EntityClone, AFailingInitDestroysTheCloneAndPassesTheErrorOn)
{
    EntityPtr source = MakeEntity("lonely");
    source->Add<ProbeDependent>()->needsProbe = true;
    ProbeLog::Clear();
    EXPECT_EQ(ErrorOf([&] { source->Clone(); }), "Dependency fail. Entity lonely doesn't have Component ProbeComponent");
    EXPECT_EQ(ProbeLog::destroyed, std::vector<unsigned>{ProbeDependent::Id()});
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
