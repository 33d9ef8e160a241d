#include <gtest/gtest.h>

#include <algorithm>

#include "Probes.h"
#include "data/Deserializer.h"
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
    EXPECT_TRUE(ProbeLog::Inits().empty()); // the caller runs Init
    EXPECT_EQ(ErrorOf([&] { entity->Attach(ProbeComponent::Id(), New<ProbeComponent>()); }),
              "Entity crate already has component: ProbeComponent");
    EXPECT_EQ(ProbeLog::Destroyed().size(), 1u); // the refused one, not the first
    testing::internal::CaptureStderr();
    EXPECT_EQ(entity->AddComponent("ProbeComponent"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ERROR: Entity already has component: ProbeComponent\n");
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
    EXPECT_EQ(ProbeLog::Destroyed(), (std::vector<unsigned>{ProbeDependent::Id(), ProbeComponent::Id()}));
    entity->RemoveComponent("ProbeComponent");
    entity->RemoveComponent("NoSuchThing");
    entity->RemoveComponent("ProbeSystem");
    EXPECT_EQ(ProbeLog::Destroyed().size(), 2u);
}

// Init runs in type id order once all exist; destruction goes the same order
// and takes the actions along.
TEST(EntityComponents, InitAndDestructionRunInTypeIdOrder)
{
    int actionsDestroyed = 0;
    EntityPtr entity = MakeEntity("crate");
    entity->Add<ProbeDependent>()->needsProbe = true;
    entity->Add<ProbeComponent>();
    entity->actions.push_back(New<CountedAction>(actionsDestroyed));
    entity->actions.push_back(New<CountedAction>(actionsDestroyed));
    entity->InitComponents();
    std::vector<unsigned> expected = {ProbeComponent::Id(), ProbeDependent::Id()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ProbeLog::Inits(), expected);
    entity.reset();
    EXPECT_EQ(ProbeLog::Destroyed(), expected);
    EXPECT_EQ(actionsDestroyed, 2);
}

TEST(EntityClone, NewIdSameNamesFlagsClearFieldsCopied)
{
    EntityPtr source = MakeEntity("crate");
    source->archetype = "Box";
    source->flags.set(Entity::Locked).set(Entity::ArchetypeInstance);
    ProbeComponent* probe = source->Add<ProbeComponent>();
    Deserializer object;
    object.SetValue("Label", "copied");
    object.SetValue("Position", "7,8");
    probe->Meta().ReadFields(*probe, object);
    probe->unreflected = 99;
    source->Add<ProbeDependent>();
    ProbeLog::Clear();

    EntityPtr clone(source->Clone());
    EXPECT_EQ(clone->id, source->id + 1); // ids rise, names may repeat
    EXPECT_EQ(clone->name, "crate");
    EXPECT_EQ(clone->archetype, "Box");
    EXPECT_TRUE(clone->flags.none());
    ProbeComponent* copy = clone->Get<ProbeComponent>();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, probe);
    EXPECT_EQ(copy->owner, clone.get());
    EXPECT_EQ(copy->label, "copied");
    EXPECT_EQ(copy->position, tvec2(7.0f, 8.0f));
    EXPECT_EQ(copy->speed, probe->speed);
    EXPECT_EQ(copy->unreflected, 5);
    ASSERT_NE(clone->Get<ProbeDependent>(), nullptr);
    EXPECT_NE(clone->Get<ProbeDependent>(), source->Get<ProbeDependent>());

    std::vector<unsigned> expected = {ProbeComponent::Id(), ProbeDependent::Id()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ProbeLog::Inits(), expected);
    EXPECT_EQ(source->Get<ProbeComponent>(), probe);
}

TEST(EntityClone, AFailingInitDestroysTheCloneAndPassesTheErrorOn)
{
    EntityPtr source = MakeEntity("lonely");
    source->Add<ProbeDependent>()->needsProbe = true;
    ProbeLog::Clear();
    EXPECT_EQ(ErrorOf([&] { source->Clone(); }),
              "Dependency fail. Entity lonely doesn't have Component ProbeComponent");
    EXPECT_EQ(ProbeLog::Destroyed(), std::vector<unsigned>{ProbeDependent::Id()});
}
} // namespace
} // namespace Orvex
