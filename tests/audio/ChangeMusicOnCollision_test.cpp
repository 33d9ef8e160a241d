#include <gtest/gtest.h>

#include "SoundStates.h"
#include "audio/ChangeMusicOnCollision.h"
#include "audio/SoundEmitter.h"
#include "graphics/Color.h"
#include "data/LevelSettings.h"
#include "object/TypeRegistry.h"

namespace Orvex::Testing
{
namespace
{
class ChangeMusicOnCollisionTest : public SoundStateTest
{
protected:
    void SetUp() override
    {
        SoundStateTest::SetUp();
        Sound("Music/Calm", 44100, 0.2f);
        Sound("Music/Storm", 44100, 0.4f);
        state = Start("play");
        Entity* settings = Add(*state, "settings");
        settings->Add<Color>();
        settings->Add<LevelSettings>();
        level = settings->Add<SoundEmitter>();
        level->sound.SetName("Music/Calm");
        level->playOnInit = true;
        level->loop = true;
        settings->InitComponents();
        state->SetLevelSettings(settings->id);
        trigger = Add(*state, "trigger");
        trigger->Add<ChangeMusicOnCollision>()->music.SetName("Music/Storm");
        trigger->InitComponents();
        // The player is known by what sits in the controller's slot.
        player = Add(*state, "player");
        player->Attach(TypeRegistry::ListedId("TumboController", MetaKind::Component), New<EarComponent>());
    }
    void Touch(Entity* other) { SoundStateTest::Touch(trigger, other); }
    float Heard() { return Pull(1)[0] / 0.5f; } // the music master is at a half

    TraceState* state = nullptr;
    SoundEmitter* level = nullptr;
    Entity* trigger = nullptr;
    Entity* player = nullptr;
};

TEST_F(ChangeMusicOnCollisionTest, PlayerTouchSilencesTheOldMusicAndStartsTheNew)
{
    Channel calm = level->channel;
    Touch(player);
    EXPECT_EQ(level->sound.name, "Music/Storm");
    EXPECT_NE(level->channel, calm);
    EXPECT_EQ(calm.SetVolume(1.0f), AUDIO_INVALID_HANDLE);
    EXPECT_FLOAT_EQ(Heard(), 0.4f);
    const Channel storm = level->channel;
    Touch(player); // every touch starts it over
    EXPECT_NE(level->channel, storm);
    EXPECT_EQ(Playing(state->SoundGroups().music), 1);
}

TEST_F(ChangeMusicOnCollisionTest, OthersTouchingChangeNothing)
{
    const Channel calm = level->channel;
    Touch(Add(*state, "crate"));
    Touch(nullptr);
    EXPECT_EQ(level->channel, calm);
    EXPECT_FLOAT_EQ(Heard(), 0.2f);
}

TEST_F(ChangeMusicOnCollisionTest, LevelSettingsWithoutAnEmitterChangeNothing)
{
    level->owner->RemoveComponent("SoundEmitter");
    ASSERT_EQ(Playing(state->SoundGroups().music), 0); // its music went with it
    Touch(player);
    EXPECT_EQ(Playing(state->SoundGroups().music), 0); // and the touch starts none
}
} // namespace
} // namespace Orvex::Testing
