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
TEST(RegistrationDeathTest, DuplicateAtStartupIsReportedAndAborts)
{
    EXPECT_DEATH(StartupRegistration([] { META_SYSTEM<ProbeSystem> again("ProbeComponent"); }),
                 "Type attempted to be registered twice: ProbeComponent");
}
} // namespace
} // namespace Orvex
