#pragma once
// An engine running test game states, with the sound manager on manual output and
// a sounds folder of the test's own: components play into the active state's
// groups and the test pulls exact frames.

#include "TestSounds.h"
#include "audio/ChannelGroup.h"
#include "engine/TestEngine.h"
#include "messaging/Message.h"

namespace Orvex::Testing
{
class SoundStateTest : public EngineTest, protected SoundFiles
{
protected:
    void SetUp() override
    {
        SoundManager::InitManualOutput();
        EngineTest::SetUp();
        UseSoundFolder();
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
};
} // namespace Orvex::Testing
