#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "engine/TestEngine.h"

namespace Orvex::Testing
{
namespace
{
using Lines = std::vector<std::string>;

class MessageSystemTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        state = Start("state");
        messages = state->Messages();
        Trace().clear();
    }
    void Collide(Entity* self, Entity* other)
    {
        engine->Send(MSG_COLLISION, CollisionMessage{self, other, {1.0f, 2.0f}, 3, false});
    }

    TraceState* state = nullptr;
    MessageSystem* messages = nullptr;
};

TEST_F(MessageSystemTest, MessagesAreDeliveredInPostOrderAtTheFrameEnd)
{
    EarComponent* ear = AddEar(*state, "ear", MSG_KEYDOWN);
    state->onUpdate = [this](TraceState&) {
        engine->Send(MSG_KEYDOWN, KeyMessage{1});
        engine->Send(MSG_KEYDOWN, KeyMessage{2});
        Note("posted");
    };
    engine->RunFrame();
    EXPECT_EQ(Trace(), (Lines{"ear Update", "state Update", "posted", "ear heard", "ear heard"}));
    ASSERT_EQ(ear->heard.size(), 2u);
    EXPECT_EQ(ear->heard[0].As<KeyMessage>().scancode, 1u);
    EXPECT_EQ(ear->heard[1].As<KeyMessage>().scancode, 2u);
    EXPECT_EQ(messages->QueuedCount(), 0u);
}

TEST_F(MessageSystemTest, MessagesPostedDuringDeliveryJoinTheEndOfTheSamePass)
{
    EarComponent* keys = AddEar(*state, "keys", MSG_KEYDOWN);
    EarComponent* scores = AddEar(*state, "scores", MSG_ADD_SCORE);
    keys->onHear = [this](EarComponent&, const Message& message) {
        const unsigned scancode = message.As<KeyMessage>().scancode;
        if (scancode < 3) // its own type, a few times
            engine->Send(MSG_KEYDOWN, KeyMessage{scancode + 1});
        else
            engine->Send(MSG_ADD_SCORE, ScoreMessage{5});
    };
    engine->Send(MSG_KEYDOWN, KeyMessage{1});
    engine->Send(MSG_ADD_SCORE, ScoreMessage{1});
    messages->DeliverAll();
    ASSERT_EQ(keys->heard.size(), 3u);
    EXPECT_EQ(keys->heard[2].As<KeyMessage>().scancode, 3u);
    ASSERT_EQ(scores->heard.size(), 2u);
    EXPECT_EQ(scores->heard[0].As<ScoreMessage>().amount, 1);
    EXPECT_EQ(scores->heard[1].As<ScoreMessage>().amount, 5);
    EXPECT_EQ(messages->QueuedCount(), 0u);
}

TEST_F(MessageSystemTest, ListenersHearOnlyTheTypesTheySubscribedTo)
{
    EarComponent* ear = AddEar(*state, "ear", MSG_KEYUP);
    engine->SendMessage(MSG_KEYDOWN);
    engine->SendMessage(MSG_KEYUP);
    engine->SendMessage(MSG_MOUSEBUTTONUP);
    messages->DeliverAll();
    EXPECT_EQ(ear->heard.size(), 1u);
}

TEST_F(MessageSystemTest, EveryUnnamedPayloadByteIsZero)
{
    EarComponent* ear = AddEar(*state, "ear", MSG_MOUSEBUTTONDOWN);
    engine->SendMessage(MSG_MOUSEBUTTONDOWN);
    messages->DeliverAll();
    ASSERT_EQ(ear->heard.size(), 1u);
    for (unsigned char byte : ear->heard[0].payload)
        EXPECT_EQ(byte, 0);
}

TEST_F(MessageSystemTest, SubscribingTwiceKeepsOneHandlerAndTwoRecords)
{
    EarComponent* ear = AddEar(*state, "ear", MSG_KEYDOWN);
    ear->Subscribe(MSG_KEYDOWN, &EarComponent::Hear);
    EXPECT_EQ(ear->subscribedTypes, (std::vector<std::uint32_t>{MSG_KEYDOWN, MSG_KEYDOWN}));
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 1u);
    engine->SendMessage(MSG_KEYDOWN);
    messages->DeliverAll();
    EXPECT_EQ(ear->heard.size(), 1u);
    engine->UnsubscribeAll(ear);
    EXPECT_TRUE(ear->subscribedTypes.empty());
    EXPECT_TRUE(ear->subscribedMask.test(MSG_KEYDOWN)); // never cleared
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 0u);
}

TEST_F(MessageSystemTest, NumbersPastTheMaskCannotBeSubscribed)
{
    EarComponent* ear = AddEar(*state, "ear", MSG_KEYDOWN);
    EXPECT_THROW(ear->Subscribe(MessageTypeCount, &EarComponent::Hear), std::out_of_range);
    EXPECT_THROW(ear->Subscribe(ENGINE_QUIT, &EarComponent::Hear), std::out_of_range);
    EXPECT_EQ(ear->subscribedTypes.size(), 1u);
}

TEST_F(MessageSystemTest, DestroyedListenersAreUnsubscribed)
{
    Entity* entity = New<Entity>("alone");
    entity->Add<EarComponent>()->Subscribe(MSG_KEYDOWN, &EarComponent::Hear);
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 1u);
    Delete(entity);
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 0u);
    engine->SendMessage(MSG_KEYDOWN);
    messages->DeliverAll();
}

TEST_F(MessageSystemTest, SubscriptionsMadeDuringABroadcastHearOnlyLaterMessages)
{
    EarComponent* late = New<EarComponent>();
    EarComponent* early = AddEar(*state, "early", MSG_KEYDOWN);
    early->onHear = [this, late](EarComponent& self, const Message&) {
        // Enough subscribers to make the table rehash under the walk.
        for (int i = 0; i < 64; ++i)
            AddEar(*state, "extra", MSG_KEYDOWN);
        late->Subscribe(MSG_KEYDOWN, &EarComponent::Hear);
        self.onHear = nullptr;
    };
    engine->SendMessage(MSG_KEYDOWN);
    engine->SendMessage(MSG_KEYDOWN);
    messages->DeliverAll();
    EXPECT_EQ(early->heard.size(), 2u);
    EXPECT_EQ(late->heard.size(), 1u);
    EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "extra heard"), 64);
    Delete(late);
}

TEST_F(MessageSystemTest, ListenersUnsubscribedDuringABroadcastAreNotCalled)
{
    EarComponent* first = AddEar(*state, "first", MSG_KEYDOWN);
    EarComponent* second = AddEar(*state, "second", MSG_KEYDOWN);
    auto silenceOther = [this, first, second](EarComponent& self, const Message&) {
        engine->UnsubscribeAll(&self == first ? second : first);
    };
    first->onHear = silenceOther;
    second->onHear = silenceOther;
    engine->SendMessage(MSG_KEYDOWN);
    messages->DeliverAll();
    EXPECT_EQ(first->heard.size() + second->heard.size(), 1u);
}

TEST_F(MessageSystemTest, CollisionsReachOnlySelfsComponentsInTypeOrder)
{
    Entity* self = New<Entity>("self");
    Entity* other = New<Entity>("other");
    state->AddEntity(self);
    state->AddEntity(other);
    SecondEar* second = self->Add<SecondEar>();
    EarComponent* first = self->Add<EarComponent>();
    first->label = "first";
    second->label = "second";
    second->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    first->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    // The first slot counts too: any component may sit there.
    EarComponent* zeroth = New<EarComponent>();
    zeroth->label = "zeroth";
    self->Attach(0, zeroth);
    zeroth->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    EarComponent* bystander = other->Add<EarComponent>();
    bystander->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    EarComponent* broadcastEar = AddEar(*state, "elsewhere", MSG_COLLISION);
    Collide(self, other);
    messages->DeliverAll();
    const bool firstBeforeSecond = EarComponent::Id() < SecondEar::Id();
    EXPECT_EQ(Trace(), firstBeforeSecond ? (Lines{"zeroth heard", "first heard", "second heard"})
                                         : (Lines{"zeroth heard", "second heard", "first heard"}));
    EXPECT_TRUE(bystander->heard.empty());
    EXPECT_TRUE(broadcastEar->heard.empty());
    ASSERT_EQ(first->heard.size(), 1u);
    const CollisionMessage& heard = first->heard[0].As<CollisionMessage>();
    EXPECT_EQ(heard.Self, self);
    EXPECT_EQ(heard.Other, other);
    EXPECT_EQ(heard.VertexIndex, 3);
}

TEST_F(MessageSystemTest, CollisionsWithoutAListenerOnSelfAreConsumedSilently)
{
    Entity* quiet = New<Entity>("quiet");
    state->AddEntity(quiet);
    EarComponent* unsubscribed = quiet->Add<EarComponent>();
    unsubscribed->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    engine->UnsubscribeAll(unsubscribed); // keeps the mask bit, loses the table entry
    Collide(quiet, nullptr);
    Collide(nullptr, quiet);
    EXPECT_NO_THROW(messages->DeliverAll());
    EXPECT_TRUE(unsubscribed->heard.empty());
    EXPECT_EQ(messages->QueuedCount(), 0u);
}

TEST_F(MessageSystemTest, WithoutAMessageSystemSubscribingDoesNothing)
{
    TraceState* bare = Queue("bare");
    bare->withMessages = false;
    engine->RunFrame();
    EarComponent* ear = AddEar(*bare, "ear", MSG_KEYDOWN);
    EXPECT_TRUE(ear->subscribedTypes.empty());
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 0u);
}
} // namespace
} // namespace Orvex::Testing
