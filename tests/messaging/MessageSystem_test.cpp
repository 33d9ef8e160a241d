#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "engine/TestEngine.h"
#include "messaging/MessageNames.h"

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

// Delivered at the frame's end in post order, those posted during delivery at
// the end of the same pass, to the listeners of their type only, every unnamed
// payload byte zero.
TEST_F(MessageSystemTest, MessagesAreDeliveredInPostOrderAtTheFrameEndToTheirTypesListeners)
{
    EarComponent* keys = AddEar(*state, "keys", MSG_KEYDOWN);
    EarComponent* scores = AddEar(*state, "scores", MSG_ADD_SCORE);
    EarComponent* buttons = AddEar(*state, "buttons", MSG_MOUSEBUTTONDOWN);
    keys->onHear = [this](EarComponent&, const Message& message) {
        const unsigned scancode = message.As<KeyMessage>().scancode;
        if (scancode < 3) // its own type, a few times
            engine->Send(MSG_KEYDOWN, KeyMessage{scancode + 1});
        else
            engine->Send(MSG_ADD_SCORE, ScoreMessage{5});
    };
    state->onUpdate = [this](TraceState&) {
        engine->Send(MSG_KEYDOWN, KeyMessage{1});
        engine->Send(MSG_ADD_SCORE, ScoreMessage{1});
        engine->SendMessage(MSG_MOUSEBUTTONDOWN);
        engine->SendMessage(MSG_KEYUP);
        Note("posted");
    };
    engine->RunFrame();
    Lines delivered; // the ears' own updates come in table order
    std::copy_if(Trace().begin(), Trace().end(), std::back_inserter(delivered),
                 [](const std::string& line) { return line.find("s Update") == std::string::npos; });
    EXPECT_EQ(delivered, (Lines{"state Update", "posted", "keys heard", "scores heard", "buttons heard",
                                "keys heard", "keys heard", "scores heard"}));
    ASSERT_EQ(keys->heard.size(), 3u);
    EXPECT_EQ(keys->heard[2].As<KeyMessage>().scancode, 3u);
    ASSERT_EQ(scores->heard.size(), 2u);
    EXPECT_EQ(scores->heard[0].As<ScoreMessage>().amount, 1);
    EXPECT_EQ(scores->heard[1].As<ScoreMessage>().amount, 5);
    ASSERT_EQ(buttons->heard.size(), 1u);
    for (unsigned char byte : buttons->heard[0].payload)
        EXPECT_EQ(byte, 0);
    EXPECT_EQ(messages->QueuedCount(), 0u);
}

// Subscribing twice keeps one handler and two records; numbers past the mask
// cannot be subscribed; a destroyed listener is unsubscribed; without a message
// system subscribing does nothing.
TEST_F(MessageSystemTest, SubscriptionsKeepOneHandlerPerTypeUntilUnsubscribedOrDestroyed)
{
    EarComponent* ear = AddEar(*state, "ear", MSG_KEYDOWN);
    ear->Subscribe(MSG_KEYDOWN, &EarComponent::Hear);
    EXPECT_THROW(ear->Subscribe(MessageTypeCount, &EarComponent::Hear), std::out_of_range);
    EXPECT_THROW(ear->Subscribe(ENGINE_QUIT, &EarComponent::Hear), std::out_of_range);
    EXPECT_EQ(ear->subscribedTypes, (std::vector<std::uint32_t>{MSG_KEYDOWN, MSG_KEYDOWN}));
    Entity* alone = New<Entity>("alone");
    alone->Add<EarComponent>()->Subscribe(MSG_KEYDOWN, &EarComponent::Hear);
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 2u);
    Delete(alone);
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 1u);
    engine->SendMessage(MSG_KEYDOWN);
    messages->DeliverAll();
    EXPECT_EQ(ear->heard.size(), 1u);
    engine->UnsubscribeAll(ear);
    EXPECT_TRUE(ear->subscribedTypes.empty());
    EXPECT_TRUE(ear->subscribedMask.test(MSG_KEYDOWN)); // never cleared
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 0u);

    TraceState* bare = Queue("bare");
    bare->withMessages = false;
    engine->RunFrame();
    EXPECT_TRUE(AddEar(*bare, "ear", MSG_KEYDOWN)->subscribedTypes.empty());
    EXPECT_EQ(messages->SubscriberCount(MSG_KEYDOWN), 0u);
}

// Subscriptions made during a broadcast hear only later messages, even when the
// table rehashes under the walk; listeners unsubscribed during one are not called.
TEST_F(MessageSystemTest, ListenersChangedDuringABroadcastHearOnlyWhatTheyAreSubscribedForThen)
{
    EarComponent* late = New<EarComponent>();
    EarComponent* early = AddEar(*state, "early", MSG_KEYDOWN);
    early->onHear = [this, late](EarComponent& self, const Message&) {
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

    EarComponent* first = AddEar(*state, "first", MSG_KEYUP);
    EarComponent* second = AddEar(*state, "second", MSG_KEYUP);
    auto silenceOther = [this, first, second](EarComponent& self, const Message&) {
        engine->UnsubscribeAll(&self == first ? second : first);
    };
    first->onHear = silenceOther;
    second->onHear = silenceOther;
    engine->SendMessage(MSG_KEYUP);
    messages->DeliverAll();
    EXPECT_EQ(first->heard.size() + second->heard.size(), 1u);
}

// A collision reaches only its Self's subscribed components, the first slot
// too, in type order; without a listener on Self it is consumed silently.
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
    EarComponent* zeroth = New<EarComponent>();
    zeroth->label = "zeroth";
    self->Attach(0, zeroth);
    zeroth->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    EarComponent* bystander = other->Add<EarComponent>();
    bystander->Subscribe(MSG_COLLISION, &EarComponent::Hear);
    engine->UnsubscribeAll(bystander); // keeps the mask bit, loses the table entry
    EarComponent* broadcastEar = AddEar(*state, "elsewhere", MSG_COLLISION);
    Collide(self, other);
    Collide(other, self);
    Collide(nullptr, self);
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
    EXPECT_EQ(messages->QueuedCount(), 0u);
}

// A level names the message a component waits for; a name that is no type, or
// the type of one no level may send, reads as none.
TEST(MessageNames, KnownNamesGiveTheirTypeAndAllOthersZero)
{
    EXPECT_EQ(LookupMessageType("MSG_BOUNCE"), MSG_BOUNCE);
    for (const char* name : {"MSG_ADD_SCORE", "msg_bounce", "", "MSG_NEVER_HEARD_OF"})
        EXPECT_EQ(LookupMessageType(name), 0u) << name;
}
} // namespace
} // namespace Orvex::Testing
