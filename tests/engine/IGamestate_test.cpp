#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "TestEngine.h"
#include "support/ErrorOf.h"
#include "data/LevelSettings.h"
#include "engine/Window.h"
#include "graphics/Camera.h"

namespace Orvex::Testing
{
namespace
{
using Lines = std::vector<std::string>;

Entity* AddEntity(IGamestate& state, const std::string& name)
{
    Entity* entity = New<Entity>(name);
    state.AddEntity(entity);
    return entity;
}

bool Traced(const std::string& line)
{
    return std::find(Trace().begin(), Trace().end(), line) != Trace().end();
}

// Systems run in list order with the frame's dt, before the state's update; a
// later message system replaces the state's; systems by name must be registered.
TEST_F(EngineTest, SystemsRunInListOrderAndAreAddedByObjectOrRegisteredName)
{
    TraceState* state = Queue("state");
    TraceSystem* last = nullptr;
    state->onInit = [&last](TraceState& self) {
        for (const char* label : {"physics", "collision"})
        {
            last = New<TraceSystem>();
            last->label = label;
            self.AddSystem(last);
        }
    };
    engine->RunFrame();
    EXPECT_EQ(Trace(), (Lines{"state Init", "physics Update", "collision Update", "state Update"}));
    EXPECT_EQ(last->lastDt, static_cast<float>(Engine::maxDt)); // the first frame's dt
    MessageSystem* first = state->Messages();
    ASSERT_NE(first, nullptr);
    MessageSystem* second = New<MessageSystem>();
    state->AddSystem(second);
    EXPECT_EQ(state->Messages(), second);
    state->AddSystem("TraceSystem");
    ASSERT_EQ(state->Systems().size(), 5u);
    EXPECT_EQ(state->Systems()[0], first);
    EXPECT_NE(dynamic_cast<TraceSystem*>(state->Systems()[4]), nullptr);
    EXPECT_EQ(ErrorOf([&] { state->AddSystem("NoSuchSystem"); }), "System not registered: NoSuchSystem");
    EXPECT_EQ(state->Systems().size(), 5u);
}

// Entities are found by exact name or id; the camera and the level settings
// must have their component.
TEST_F(EngineTest, FindEntityTakesAnExactNameOrItsIdAndTheCameraAndSettingsNeedTheirComponent)
{
    TraceState* state = Start("state");
    Entity* plain = AddEntity(*state, "Plain");
    EXPECT_EQ(state->FindEntity("Plain"), plain);
    EXPECT_EQ(state->FindEntity("plain"), nullptr);
    EXPECT_EQ(state->FindEntity(""), nullptr);
    EXPECT_EQ(state->FindEntity(plain->id), plain);
    EXPECT_EQ(state->FindEntity(plain->id + 1000), nullptr);
    EXPECT_EQ(ErrorOf([&] { state->SetCamera(plain->id); }),
              "Tried setting Entity without Camera component as Camera: Plain");
    EXPECT_EQ(ErrorOf([&] { state->SetLevelSettings(plain->id); }),
              "Tried setting Entity without LevelSettings component as the LevelSettings: Plain");
    EXPECT_THROW(state->SetCamera(plain->id + 1000), std::out_of_range);
    plain->Add<Camera>();
    state->SetCamera(plain->id);
    EXPECT_EQ(state->CameraEntity(), plain);
}

TEST_F(EngineTest, RemovalWaitsForTheNextFrameStartAndDestroysOnce)
{
    TraceState* state = Start("state");
    Entity* doomed = AddEntity(*state, "Doomed");
    doomed->Add<EarComponent>()->label = "doomed ear";
    state->RemoveEntity(doomed->id);
    state->RemoveEntity(doomed->id);
    state->RemoveEntity(123456789); // never existed
    EXPECT_EQ(state->FindEntity("Doomed"), doomed);
    engine->RunFrame();
    EXPECT_EQ(state->FindEntity("Doomed"), nullptr);
    EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "doomed ear destroyed"), 1);
    EXPECT_FALSE(Traced("doomed ear Update"));
}

// The error of the frame after the state's chosen camera or level-settings entity
// was queued for removal.
template <class Component>
std::string ErrorOfRemovingChosen(Engine& engine, IGamestate& state, void (IGamestate::*choose)(std::uint32_t))
{
    Entity* chosen = AddEntity(state, "Chosen");
    chosen->Add<Component>();
    (state.*choose)(chosen->id);
    state.RemoveEntity(chosen->id); // only queued: no error yet
    return ErrorOf([&] { engine.RunFrame(); });
}

TEST_F(EngineTest, RemovingTheCameraOrTheLevelSettingsFailsAtTheNextFrameStartNotAtTheRequest)
{
    EXPECT_EQ(ErrorOfRemovingChosen<Camera>(*engine, *Start("state"), &IGamestate::SetCamera),
              "Tried removing the Active Gamestate's Camera");
    EXPECT_EQ(ErrorOfRemovingChosen<LevelSettings>(*engine, *Start("other"), &IGamestate::SetLevelSettings),
              "Tried removing the Active Gamestate's LevelSettings");
}

TEST_F(EngineTest, ComponentsUpdateInTypeOrderMayRemoveThemselvesAndEntitiesMadeMeanwhileWaitAFrame)
{
    TraceState* state = Start("state");
    Entity* entity = AddEntity(*state, "Both");
    SecondEar* second = entity->Add<SecondEar>();
    EarComponent* first = entity->Add<EarComponent>();
    first->label = "first";
    second->label = "second";
    first->onUpdate = [state](EarComponent& self) {
        // Enough new entities to make the table rehash under the walk.
        for (int i = 0; i < 64; ++i)
            AddEntity(*state, "spawned")->Add<EarComponent>()->label = "spawned";
        self.onUpdate = nullptr;
    };
    Trace().clear();
    engine->RunFrame();
    const bool firstBeforeSecond = EarComponent::Id() < SecondEar::Id();
    EXPECT_EQ(Trace(), firstBeforeSecond ? (Lines{"first Update", "second Update", "state Update"})
                                         : (Lines{"second Update", "first Update", "state Update"}));
    Trace().clear();
    second->onUpdate = [](EarComponent& self) { self.owner->RemoveComponent("SecondEar"); };
    engine->RunFrame();
    EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "spawned Update"), 64);
    EXPECT_EQ(entity->Get<SecondEar>(), nullptr); // a component may remove itself in its update
    EXPECT_TRUE(Traced("second destroyed"));
}

TEST_F(EngineTest, DestructionTakesEntitiesThenSystemsThenTheMessageSystem)
{
    TraceState* state = Start("state");
    state->AddSystem("TraceSystem");
    AddEar(*state, "ear", MSG_KEYDOWN);
    Trace().clear();
    engine->PopGamestates(1);
    engine->RunFrame();
    EXPECT_EQ(Trace(), (Lines{"system Update", "ear Update", "state Update", "state Shutdown",
                              "state destroyed", "ear destroyed", "system Shutdown"}));
}

const char* const levelText =
    "LevelData:\n{\n  VersionMinor=3\n  LevelSettings=Settings\n  Camera=View\n}\nEntities:\n{\n"
    "  0:\n  {\n    Name=Settings\n    Flags=00\n    Color:\n    {\n    }\n"
    "    LevelSettings:\n    {\n      GravitySpeed=3\n    }\n  }\n"
    "  1:\n  {\n    Name=View\n    Flags=00\n    Transform:\n    {\n    }\n    Camera:\n    {\n    }\n  }\n}\n";

TEST_F(EngineTest, LevelChangeLoadsAtTheNextFrameStartAndReplacesTheOldEntities)
{
    {
        std::ofstream file("./levels/__spine_test_level.txt");
        file << levelText;
    }
    TraceState* state = Start("state");
    Entity* old = AddEntity(*state, "Old");
    old->Add<EarComponent>()->label = "old";
    state->RequestLevel("__spine_test_level");
    EXPECT_EQ(state->FindEntity("Old"), old);
    Trace().clear();
    engine->RunFrame();
    EXPECT_EQ(Trace().front(), "state OnLevelLoad");
    EXPECT_TRUE(Traced("old destroyed"));
    EXPECT_EQ(state->FindEntity("Old"), nullptr);
    ASSERT_NE(state->CameraEntity(), nullptr);
    EXPECT_EQ(state->CameraEntity()->name, "View");
    EXPECT_EQ(state->CurrentLevel(), "__spine_test_level");
    EXPECT_EQ(state->RequestedLevel(), "");
    std::remove("./levels/__spine_test_level.txt");
}
} // namespace
} // namespace Orvex::Testing
