// The components that play sounds in a level, each in a running state of the
// engine whose groups the test pulls exact frames from.

#include <gtest/gtest.h>

#include <cmath>

#include "SoundStates.h"
#include "audio/ChangeMusicOnCollision.h"
#include "audio/IdleSound.h"
#include "audio/LocationalSound.h"
#include "audio/PlaySoundOnCollision.h"
#include "audio/SoundEmitter.h"
#include "data/LevelSettings.h"
#include "engine/Random.h"
#include "graphics/Color.h"
#include "object/TypeRegistry.h"
#include "physics/Transform.h"

namespace Orvex::Testing
{
namespace
{
class SoundComponents : public SoundStateTest
{
protected:
    void SetUp() override
    {
        SoundStateTest::SetUp();
        state = Start("play");
    }
    // An emitter of sound on a new entity; set up further and started by the caller.
    SoundEmitter* Emitter(const std::string& name, const std::string& sound, bool playOnInit)
    {
        SoundEmitter* emitter = Add(*state, name)->Add<SoundEmitter>();
        emitter->sound.SetName(sound);
        emitter->playOnInit = playOnInit;
        return emitter;
    }
    SoundEmitter* Started(SoundEmitter* emitter)
    {
        emitter->owner->InitComponents();
        return emitter;
    }
    TraceState* state = nullptr;
};

TEST_F(SoundComponents, AnEmitterPlaysOnInitOrAtTheFirstContactInTheStatesGroupUntilSilencedEvenAfterItsEntityIsGone)
{
    Sound("Hum", 100, 0.4f);
    SoundEmitter* emitter = Emitter("speaker", "Hum", true);
    emitter->volume = 0.5f;
    Started(emitter);
    ASSERT_TRUE(emitter->channel);
    EXPECT_FLOAT_EQ(Volume(emitter->channel), 0.5f);
    EXPECT_EQ(Playing(state->SoundGroups().effects), 1);
    EXPECT_FLOAT_EQ(Pull(1)[0], 0.4f * 0.5f * 0.5f); // the effects master is at a half

    SoundEmitter* quiet = Emitter("quiet", "Hum", false);
    quiet->owner->Add<PlaySoundOnCollision>();
    EXPECT_FALSE(Started(quiet)->channel);
    SoundEmitter* empty = Started(Emitter("empty", "", true));
    EXPECT_FALSE(empty->channel);
    empty->Silence(); // no channel: nothing happens
    const Channel old = emitter->channel;
    emitter->Silence(); // stops and forgets the channel
    EXPECT_FALSE(emitter->channel);
    EXPECT_FALSE(IsPlaying(old));
    EXPECT_EQ(Pull(1)[0], 0.0f);

    Sound("Long", 44100); // an effect plays on after its entity is gone
    SoundEmitter* left = Started(Emitter("gone", "Long", true));
    const Channel channel = left->channel;
    state->RemoveEntity(left->owner->id);
    engine->RunFrame();
    EXPECT_TRUE(IsPlaying(channel));

    Touch(quiet->owner, nullptr, true); // a collision plays it once, from the first contact, a ghost one too
    ASSERT_TRUE(quiet->channel);
    const Channel knock = quiet->channel;
    Touch(quiet->owner, nullptr, false);
    EXPECT_EQ(quiet->channel, knock);
}

// The level's music plays from the level settings; a trigger changes it.
class ChangeMusic : public SoundComponents
{
protected:
    void SetUp() override
    {
        SoundComponents::SetUp();
        Sound("Music/Calm", 44100, 0.2f);
        Sound("Music/Storm", 44100, 0.4f);
        level = Emitter("settings", "Music/Calm", true);
        level->loop = true;
        level->owner->Add<Color>();
        level->owner->Add<LevelSettings>();
        Started(level);
        state->SetLevelSettings(level->owner->id);
        trigger = Add(*state, "trigger");
        trigger->Add<ChangeMusicOnCollision>()->music.SetName("Music/Storm");
        trigger->InitComponents();
        // The player is known by what sits in the controller's slot.
        player = Add(*state, "player");
        player->Attach(TypeRegistry::ListedId("TumboController", MetaKind::Component), New<EarComponent>());
    }
    float Heard() { return Pull(1)[0] / 0.5f; } // the music master is at a half

    SoundEmitter* level = nullptr;
    Entity* trigger = nullptr;
    Entity* player = nullptr;
};

TEST_F(ChangeMusic, ThePlayersTouchSilencesTheOldMusicAndStartsTheNewAndOthersChangeNothing)
{
    Channel calm = level->channel;
    Touch(trigger, Add(*state, "crate"));
    Touch(trigger, nullptr);
    EXPECT_EQ(level->channel, calm);
    EXPECT_FLOAT_EQ(Heard(), 0.2f);

    Touch(trigger, player);
    EXPECT_EQ(level->sound.name, "Music/Storm");
    EXPECT_NE(level->channel, calm);
    EXPECT_EQ(calm.SetVolume(1.0f), AUDIO_INVALID_HANDLE);
    EXPECT_FLOAT_EQ(Heard(), 0.4f);
    const Channel storm = level->channel;
    Touch(trigger, player); // every touch starts it over
    EXPECT_NE(level->channel, storm);
    EXPECT_EQ(Playing(state->SoundGroups().music), 1);
    level->owner->RemoveComponent("SoundEmitter"); // level settings without an emitter
    ASSERT_EQ(Playing(state->SoundGroups().music), 0);
    Touch(trigger, player);
    EXPECT_EQ(Playing(state->SoundGroups().music), 0);
}

TEST_F(SoundComponents, LocationalVolumeFallsWithTheSquareOfTheDistanceWithinTheRange)
{
    Sound("Hum", 44100);
    Add(*state, "Player")->Add<Transform>();
    SoundEmitter* emitter = Emitter("ghost", "Hum", true);
    Transform* place = emitter->owner->Add<Transform>();
    LocationalSound* located = emitter->owner->Add<LocationalSound>();
    located->listenerName = "Player";
    located->hearingRange = 10.0f;
    Started(emitter);
    const auto volumeAt = [&](float y)
    {
        place->position = tvec2(0.0f, y);
        located->Update(0.016f);
        return Volume(emitter->channel);
    };
    const std::pair<float, float> marks[] = {{0.0f, 1.0f}, {5.0f, 0.75f}, {-5.0f, 0.75f}, {10.0f, 0.0f}, {25.0f, 0.0f}};
    for (const auto& [y, volume] : marks)
        EXPECT_FLOAT_EQ(volumeAt(y), volume) << y;
    located->maxVolume = 0.4f;
    EXPECT_FLOAT_EQ(volumeAt(5.0f), 0.3f);
    located->listenerName = "Nobody"; // no listener: the volume stays
    EXPECT_FLOAT_EQ(volumeAt(0.0f), 0.3f);
    located->listenerName = "Player";
    located->maxVolume = 1.0f;
    located->hearingRange = 0.0f; // heard only at the listener's point
    EXPECT_FLOAT_EQ(volumeAt(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(volumeAt(0.001f), 0.0f);
}

// Four creaks, told apart by their levels.
class Idle : public SoundComponents
{
protected:
    void SetUp() override
    {
        SoundComponents::SetUp();
        idle = Add(*state, "planks")->Add<IdleSound>();
        const char* names[] = {"Creak1", "Creak2", "Creak3", "Creak4"};
        for (int k = 1; k <= 4; ++k)
        {
            Sound(names[k - 1], 44100, 0.1f * static_cast<float>(k));
            idle->Effect(k).SetName(names[k - 1]);
        }
        idle->volume = 1.0f;
        idle->timeBetweenPlays = 2.0f;
        Random::Seed(3);
    }
    // Which effect (1 … 4) the last play was, 0 for none.
    int Heard()
    {
        const float level = Pull(1)[0] / 0.5f; // the effects master is at a half
        state->SoundGroups().effects->Stop();
        return static_cast<int>(std::lround(level / 0.1f));
    }

    IdleSound* idle = nullptr;
};

// One effect plays every interval and nothing between; several never repeat
// and all come.
TEST_F(Idle, EffectsPlayEveryIntervalNeverTheSameTwiceInARow)
{
    idle->Update(1.5f);
    EXPECT_EQ(Heard(), 0);
    idle->Update(0.5f);
    EXPECT_EQ(Heard(), 1);
    idle->Update(2.0f);
    EXPECT_EQ(Heard(), 1);
    for (const int count : {2, 4})
    {
        idle->numberOfEffects = count;
        int last = 0;
        int seen[5] = {};
        for (int play = 0; play < 100; ++play)
        {
            idle->Update(2.0f);
            const int heard = Heard();
            ASSERT_TRUE(heard >= 1 && heard <= count) << heard;
            EXPECT_NE(heard, last);
            ++seen[heard];
            last = heard;
        }
        for (int k = 1; k <= count; ++k)
            EXPECT_GT(seen[k], 10) << k << " of " << count;
    }
}
} // namespace
} // namespace Orvex::Testing
