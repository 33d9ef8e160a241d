#include <gtest/gtest.h>

#include "Probes.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ProbeComponent)
ORVEX_MEMBERS(ProbeComponent)
{
    ORVEX_FIELD(label, "Label");
    ORVEX_FIELD(speed, "Speed");
    ORVEX_FIELD(count, "Count");
    ORVEX_FIELD(mask, "Mask");
    ORVEX_FIELD(active, "Active");
    ORVEX_FIELD(position, "Position");
    ORVEX_FIELD(color, "Color");
}

ORVEX_REGISTER_COMPONENT(ProbeDependent)
ORVEX_MEMBERS(ProbeDependent)
{
    ORVEX_FIELD(needsProbe, "NeedsProbe");
    ORVEX_FIELD(needsCollider, "NeedsCollider");
}

ORVEX_REGISTER_SYSTEM(ProbeSystem)
ORVEX_REGISTER_GAMESTATE(ProbeState)

ProbeComponent::~ProbeComponent() { ProbeLog::Destroyed().push_back(Id()); }
void ProbeComponent::Init() { ProbeLog::Inits().push_back(Id()); }

ProbeDependent::~ProbeDependent() { ProbeLog::Destroyed().push_back(Id()); }
void ProbeDependent::Init()
{
    ProbeLog::Inits().push_back(Id());
    if (needsProbe)
        RequireComponent<ProbeComponent>();
    if (needsCollider)
        RequireCollider();
}

std::vector<unsigned>& ProbeLog::Inits()
{
    static std::vector<unsigned> log;
    return log;
}

std::vector<unsigned>& ProbeLog::Destroyed()
{
    static std::vector<unsigned> log;
    return log;
}

void ProbeLog::Clear()
{
    Inits().clear();
    Destroyed().clear();
}

namespace
{
TEST(Registration, ClassRecordsCarryNameSizeAndKind)
{
    const META_COMPONENT<ProbeComponent>& record = ProbeComponent::Meta();
    EXPECT_EQ(record.name, "ProbeComponent");
    EXPECT_EQ(record.size, sizeof(ProbeComponent));
    EXPECT_EQ(record.kind, MetaKind::Component);
    EXPECT_EQ(ProbeSystem::Meta().kind, MetaKind::System);
    EXPECT_EQ(ProbeState::Meta().kind, MetaKind::Gamestate);
    EXPECT_EQ(ProbeState::Meta().size, sizeof(ProbeState));
}

TEST(Registration, UnlistedNamesTakeTheIdsAfterTheList)
{
    const unsigned listed = 86;
    EXPECT_GE(ProbeComponent::Id(), listed);
    EXPECT_GE(ProbeDependent::Id(), listed);
    EXPECT_NE(ProbeComponent::Id(), ProbeDependent::Id());
    EXPECT_EQ(ProbeSystem::Id(), 7u);
    EXPECT_EQ(ProbeState::Id(), 11u);
    EXPECT_EQ(TypeRegistry::Count(MetaKind::Component), listed + 2);
    EXPECT_EQ(TypeRegistry::Names(MetaKind::Component)[ProbeComponent::Id()], "ProbeComponent");
}

TEST(Registration, IdIsTheRegisteredRecordsId)
{
    EXPECT_EQ(TypeRegistry::Find("ProbeComponent"), &ProbeComponent::Meta());
    EXPECT_EQ(TypeRegistry::Component(ProbeComponent::Id()), &ProbeComponent::Meta());
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem", MetaKind::System), &ProbeSystem::Meta());
}

TEST(Registration, FieldsKeepTheirOrderKeysOffsetsAndTypes)
{
    const std::vector<FieldInfo>& fields = ProbeComponent::Meta().fields;
    ASSERT_EQ(fields.size(), 7u);
    const char* keys[] = {"Label", "Speed", "Count", "Mask", "Active", "Position", "Color"};
    for (unsigned i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields[i].name, keys[i]);
    EXPECT_EQ(fields[1].offset, offsetof(ProbeComponent, speed));
    EXPECT_EQ(fields[6].offset, offsetof(ProbeComponent, color));
    EXPECT_EQ(fields[0].type, &META_POD<std::string>::Get());
    EXPECT_EQ(fields[1].type, &META_POD<float>::Get());
    EXPECT_EQ(fields[2].type, &META_POD<int>::Get());
    EXPECT_EQ(fields[3].type, &META_POD<unsigned>::Get());
    EXPECT_EQ(fields[4].type, &META_POD<bool>::Get());
    EXPECT_EQ(fields[5].type, &META_POD<tvec2>::Get());
    EXPECT_EQ(fields[6].type, &META_POD<tvec4>::Get());
    ASSERT_EQ(ProbeDependent::Meta().fields.size(), 2u);
    EXPECT_EQ(ProbeDependent::Meta().fields[1].name, "NeedsCollider");
}

TEST(RegistrationDeathTest, DuplicateAtStartupIsReportedAndAborts)
{
    EXPECT_DEATH(StartupRegistration([] { META_SYSTEM<ProbeSystem> again("ProbeComponent"); }),
                 "Type attempted to be registered twice: ProbeComponent");
}
} // namespace
} // namespace Orvex
