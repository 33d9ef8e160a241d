#include "data/LevelSettings.h"

#include <gtest/gtest.h>

#include "data/Deserializer.h"
#include "graphics/Color.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
TEST(LevelSettingsComponent, DefaultsAndKeys)
{
    Deserializer values;
    values.SetValue("GravitySpeed", "4.5");
    values.SetValue("EndTimer", "");
    values.SetValue("NextLevel", "Level2Bounce");
    LevelSettings settings;
    EXPECT_EQ(settings.gravitySpeed, 10.0f);
    EXPECT_EQ(settings.endTimer, 0.0f);
    EXPECT_EQ(settings.nextLevel, "");
    TypeRegistry::FindComponent("LevelSettings")->ReadFields(settings, values);
    EXPECT_EQ(settings.gravitySpeed, 4.5f);
    EXPECT_EQ(settings.endTimer, 0.0f); // an empty value counts as absent
    EXPECT_EQ(settings.nextLevel, "Level2Bounce");
}

TEST(LevelSettingsComponent, InitNeedsAColor)
{
    Pooled<Entity> entity(New<Entity>("Settings"));
    entity->Add<LevelSettings>();
    try
    {
        entity->InitComponents();
        FAIL() << "no dependency failure";
    }
    catch (const std::string& error)
    {
        EXPECT_EQ(error, "Dependency fail. Entity Settings doesn't have Component Color");
    }
    entity->Add<Color>();
    EXPECT_NO_THROW(entity->InitComponents());
}
} // namespace
} // namespace Orvex
