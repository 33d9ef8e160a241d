#pragma once
// An engine running test game states, with the sound manager on manual output and
// a sounds folder of the test's own: components play into the active state's
// groups and the test pulls exact frames.

#include <sstream>

#include "TestSounds.h"
#include "audio/ChannelGroup.h"
#include "audio/Mixer.h"
#include "audio/SoundManager.h"
#include "data/Deserializer.h"
#include "engine/AssetPaths.h"
#include "engine/TestEngine.h"
#include "messaging/Message.h"

namespace Orvex::Testing
{
class SoundStateTest : public EngineTest
{
protected:
    void SetUp() override
    {
        SoundManager::InitManualOutput();
        EngineTest::SetUp();
        std::istringstream text("[Sounds]\nPATH=" + folder.Path("") + "\nEXT=.ogg\n");
        config = Deserializer(text, "test sounds", Deserializer::SectionFile);
        SetAssetConfig(&config);
    }
    // A level tone under the name a cSound loads.
    void Sound(const std::string& name, int frames, float value = 0.5f)
    {
        folder.Constant(name + ".ogg", frames, value);
    }
    // One contact of self with other, delivered by a frame.
    void Touch(Entity* self, Entity* other, bool ghost = false)
    {
        CollisionMessage contact{};
        contact.Self = self;
        contact.Other = other;
        contact.Ghost = ghost;
        contact.VertexIndex = -1;
        engine->SendMessage(MSG_COLLISION, &contact);
        engine->RunFrame();
    }
    std::vector<float> Pull(int frames)
    {
        std::vector<float> out(2 * static_cast<std::size_t>(frames));
        SoundManager::GetMixer().Mix(out.data(), frames);
        return out;
    }
    // Channels in the group that still play.
    static int Playing(ChannelGroup* group)
    {
        int count = 0, playing = 0;
        group->GetNumChannels(&count);
        for (int i = 0; i < count; ++i)
        {
            Channel channel;
            group->GetChannel(i, &channel);
            bool on = false;
            channel.IsPlaying(&on);
            playing += on ? 1 : 0;
        }
        return playing;
    }
    static bool Paused(ChannelGroup* group)
    {
        bool paused = false;
        group->GetPaused(&paused);
        return paused;
    }
    static float Volume(const Channel& channel)
    {
        float volume = -1.0f;
        channel.GetVolume(&volume);
        return volume;
    }
    // An entity added to state; its components are added by the caller.
    static Entity* Add(IGamestate& state, const std::string& name)
    {
        Entity* entity = New<Entity>(name);
        state.AddEntity(entity);
        return entity;
    }

    SoundFolder folder;
    Deserializer config;
};
} // namespace Orvex::Testing
