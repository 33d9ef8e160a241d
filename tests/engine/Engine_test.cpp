#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include <SDL.h>

#include "TestEngine.h"
#include "audio/Mixer.h"
#include "audio/SoundManager.h"
#include "support/ErrorOf.h"
#include "engine/Window.h"

namespace Orvex::Testing
{
namespace
{
using Lines = std::vector<std::string>;

// The trace lines written since mark.
Lines Since(std::size_t mark) { return Lines(Trace().begin() + static_cast<long>(mark), Trace().end()); }

TEST_F(EngineTest, ThereIsOneEngineAndItReadsItsAssetPathsFromTheCoreConfiguration)
{
    EXPECT_EQ(engine->GetPath("Levels"), "./levels/");
    EXPECT_EQ(engine->GetExtension("Meshes"), ".txt");
    EXPECT_EQ(engine->GetPath("Debug"), "");
    EXPECT_EQ(ErrorOf([this] { engine->GetPath("Nowhere"); }), "Nowhere not found in deserializer.");
    EXPECT_EQ(ErrorOf([] { Engine second; }), "Tried to create multiple Engines.");
    EXPECT_EQ(Engine::Get(), engine.get());
    engine.reset();
    EXPECT_EQ(Engine::Get(), nullptr);
}

// Pushes of one frame are pushed in request order at the next frame start (one
// an Init requests in the same frame too), and only the last runs.
TEST_F(EngineTest, PushesTakeEffectAtTheNextFrameStartInRequestOrderAndOnlyTheLastRuns)
{
    TraceState* first = Queue("first");
    TraceState* second = Queue("second");
    second->onInit = [this](TraceState&) { Queue("opened"); };
    engine->RunFrame();
    EXPECT_EQ(Trace(), (Lines{"first Init", "second Init", "opened Init", "opened Update"}));
    ASSERT_EQ(engine->Gamestates().size(), 3u);
    EXPECT_EQ(engine->Gamestates()[0], first);
    EXPECT_EQ(engine->Gamestates()[1], second);
    EXPECT_FALSE(engine->HasFlag(Engine::PUSH_PENDING));
    TraceState* opened = static_cast<TraceState*>(engine->Gamestates()[2]);
    opened->onUpdate = [this](TraceState& self) {
        Queue("top");
        self.onUpdate = nullptr;
    };
    engine->RunFrame();
    EXPECT_EQ(&engine->GetActiveGamestate(), opened); // still, until the next frame
    const std::size_t mark = Trace().size();
    engine->RunFrame();
    EXPECT_EQ(Since(mark), (Lines{"top Init", "top Update"}));
    EXPECT_EQ(engine->Gamestates().size(), 4u);
}

TEST_F(EngineTest, PopRequestedMidFrameTakesEffectAtThisFrameEndAfterDelivery)
{
    Start("below");
    TraceState* above = Start("above");
    AddEar(*above, "ear", MSG_KEYUP);
    const GamestateSoundGroups groups = above->SoundGroups();
    ASSERT_TRUE(SoundManager::GetMixer().Owns(groups.music));
    above->onUpdate = [this](TraceState&) {
        engine->Send(MSG_KEYUP, KeyMessage{7});
        engine->PopGamestates(1);
    };
    const std::size_t mark = Trace().size();
    engine->RunFrame();
    EXPECT_EQ(Since(mark), (Lines{"ear Update", "above Update", "ear heard", "above Shutdown",
                                  "above destroyed", "ear destroyed", "below Resume"}));
    ASSERT_EQ(engine->Gamestates().size(), 1u);
    EXPECT_FALSE(SoundManager::GetMixer().Owns(groups.music)); // its sound groups went with it
    EXPECT_FALSE(SoundManager::GetMixer().Owns(groups.effects));
    EXPECT_FALSE(engine->HasFlag(Engine::POP_PENDING));
    EXPECT_FALSE(engine->HasFlag(Engine::QUIT));
}

// A state applies its cursor as soon as it is made, before its first frame, and
// again when it is resumed.
TEST_F(EngineTest, ANewStateAndAResumedOneApplyTheirCursor)
{
    Window::SetCursorVisible(false);
    Queue("menu");
    EXPECT_TRUE(Window::CursorVisible());
    engine->RunFrame();
    TraceState* play = Queue("play");
    play->SetShowCursor(false);
    play->ApplyCursor();
    engine->RunFrame();
    EXPECT_FALSE(Window::CursorVisible());
    engine->PopGamestates(1);
    engine->RunFrame();
    EXPECT_TRUE(Window::CursorVisible());
}

// A pop of zero resumes the top again, a later request replaces the count, and
// popping more than the stack holds destroys all and quits, which ends Run.
TEST_F(EngineTest, PopCountsResumeReplaceOrEmptyTheStackAndRunEndsWithIt)
{
    Start("one");
    TraceState* top = Start("two");
    engine->PopGamestates(0);
    const std::size_t mark = Trace().size();
    engine->RunFrame();
    EXPECT_EQ(Since(mark), (Lines{"two Update", "two Resume"}));
    top->onUpdate = [this](TraceState&) {
        engine->PopGamestates(2);
        engine->PopGamestates(1);
    };
    engine->RunFrame();
    EXPECT_EQ(engine->Gamestates().size(), 1u);
    EXPECT_FALSE(engine->HasFlag(Engine::QUIT));
    int frames = 0;
    Queue("three")->onUpdate = [&](TraceState&) {
        if (++frames == 3)
            engine->PopGamestates(3);
    };
    engine->Run();
    EXPECT_EQ(frames, 3);
    EXPECT_TRUE(engine->Gamestates().empty());
    EXPECT_TRUE(engine->HasFlag(Engine::QUIT));
    EXPECT_NE(std::find(Trace().begin(), Trace().end(), "one destroyed"), Trace().end());
}

// Presses keys from inside the frame, as the event polling would.
void PressDuringFrame(TraceState& state, std::vector<SDL_Scancode> keys)
{
    Input::Current() = Input::State{};
    state.onUpdate = [keys](TraceState&) {
        for (SDL_Scancode key : keys)
            Input::Current().keys.set(key);
    };
}

TEST_F(EngineTest, CtrlF2PopsTheTopStateOnceWhileHeldAndPoppingTheOnlyOneQuits)
{
    TraceState* below = Start("below");
    TraceState* top = Start("top");
    PressDuringFrame(*top, {SDL_SCANCODE_F2}); // without Ctrl: nothing
    engine->RunFrame();
    EXPECT_EQ(engine->Gamestates().size(), 2u);
    PressDuringFrame(*top, {SDL_SCANCODE_RCTRL, SDL_SCANCODE_F2});
    engine->RunFrame();
    engine->RunFrame(); // still held: not a new press
    EXPECT_EQ(engine->Gamestates().size(), 1u);
    EXPECT_FALSE(engine->HasFlag(Engine::QUIT));
    PressDuringFrame(*below, {SDL_SCANCODE_LCTRL, SDL_SCANCODE_F2});
    engine->RunFrame();
    EXPECT_TRUE(engine->HasFlag(Engine::QUIT));
}

TEST_F(EngineTest, PushByRegisteredNameRemembersTheNameAndAnUnregisteredOneIsRefusedWithALogLine)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(engine->PushGamestate("NoSuchGS"), nullptr);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("\"NoSuchGS\""), std::string::npos) << log;
    EXPECT_FALSE(engine->HasFlag(Engine::PUSH_PENDING));

    IGamestate* state = engine->PushGamestate("TraceState");
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->TypeName(), "TraceState");
    engine->RunFrame();
    EXPECT_EQ(engine->ActiveGamestate(), state);
}

TEST_F(EngineTest, RunningAndQueuedStatesAreDestroyedByShutdownOrByTheEngineAlone)
{
    for (const bool shutdownFirst : {true, false})
    {
        engine.reset();
        const unsigned before = BlocksInUse();
        engine.reset(New<Engine>());
        Start("running");
        Queue("queued");
        if (shutdownFirst)
            engine->Shutdown();
        engine.reset(); // alone: as when an error ended the run
        EXPECT_EQ(BlocksInUse(), before) << (shutdownFirst ? "after Shutdown" : "engine alone");
    }
    EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "queued destroyed"), 2);
}

// Engine messages act at once and are never queued; the end of a level calls
// OnLevelEnd at once and is delivered as well; without a state or a message
// system messages are dropped.
TEST_F(EngineTest, EngineMessagesActAtOnceAndTheLevelsEndIsDeliveredToo)
{
    engine->SendMessage(MSG_KEYDOWN);
    TraceState* bare = Queue("bare");
    bare->withMessages = false;
    engine->RunFrame();
    engine->SendMessage(MSG_END_LEVEL);
    EXPECT_EQ(Trace().back(), "bare OnLevelEnd");
    TraceState* state = Start("top");
    EarComponent* ear = AddEar(*state, "ear", MSG_END_LEVEL);
    engine->Send(ENGINE_RESIZE, SizeMessage{1000, 300});
    EXPECT_EQ(Window::Width(), 1000);
    // The resize itself posts MSG_WINDOW_RESIZED; the engine message is not queued.
    EXPECT_EQ(state->Messages()->QueuedCount(), 1u);
    const std::size_t mark = Trace().size();
    engine->SendMessage(MSG_END_LEVEL);
    EXPECT_EQ(Since(mark), (Lines{"top OnLevelEnd"}));
    state->Messages()->DeliverAll();
    EXPECT_EQ(ear->heard.size(), 1u);
    engine->SendMessage(ENGINE_QUIT);
    EXPECT_TRUE(engine->HasFlag(Engine::QUIT));
    EXPECT_EQ(state->Messages()->QueuedCount(), 0u);
}

// The limiter runs right after a short frame, so a limited frame that kept the
// last measured dt would show.
TEST_F(EngineTest, VariableStepMeasuresShortFramesAndClampsLongOnesAndTheLimiterGivesExactlyMaxDt)
{
    TraceState* state = Start("top");
    EXPECT_FALSE(engine->FrameLimiter());
    engine->RunFrame();
    EXPECT_GT(engine->Dt(), 0.0);
    EXPECT_LT(engine->Dt(), Engine::maxDt);

    engine->SetFrameLimiter(true);
    EXPECT_TRUE(Window::VSync());
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i)
    {
        engine->RunFrame();
        EXPECT_EQ(engine->Dt(), Engine::maxDt);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took.count(), 3 * Engine::maxDt);

    engine->SetFrameLimiter(false);
    state->onUpdate = [](TraceState&) { std::this_thread::sleep_for(std::chrono::milliseconds(50)); };
    engine->RunFrame();
    EXPECT_EQ(engine->Dt(), Engine::maxDt);
}

// An inactive window updates nothing but still applies requests, and is limited.
// Minimising sends two deactivations; the window's first "shown" event comes while
// it is active. Either way the active window's setting comes back.
TEST_F(EngineTest, InactiveWindowUpdatesNothingIsLimitedAndActivationGivesBackTheActiveSetting)
{
    Start("top");
    for (const bool limited : {false, true})
    {
        engine->SetFrameLimiter(limited);
        engine->SendMessage(ENGINE_ACTIVATE);
        EXPECT_EQ(engine->FrameLimiter(), limited);
        engine->SendMessage(ENGINE_DEACTIVATE);
        EXPECT_FALSE(engine->HasFlag(Engine::ACTIVE));
        EXPECT_TRUE(engine->FrameLimiter());
        EXPECT_TRUE(Window::VSync());
        const std::size_t mark = Trace().size();
        Queue("waiting");
        engine->RunFrame();
        EXPECT_EQ(Since(mark), (Lines{"waiting Init"}));
        engine->SendMessage(ENGINE_DEACTIVATE);
        engine->SendMessage(ENGINE_ACTIVATE);
        EXPECT_EQ(engine->FrameLimiter(), limited);
        EXPECT_EQ(Window::VSync(), limited);
        EXPECT_TRUE(engine->HasFlag(Engine::ACTIVE));
        engine->SetFrameLimiter(false);
        engine->RunFrame();
        EXPECT_EQ(Trace().back(), "waiting Update");
    }
}
} // namespace
} // namespace Orvex::Testing
