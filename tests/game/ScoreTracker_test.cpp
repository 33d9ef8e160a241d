#include "PlayHarness.h"
#include "data/LevelSettings.h"
#include "game/components/LoadLevelOnCollision.h"
#include "game/components/ScoreTracker.h"
#include "game/components/TumboController.h"
#include "game/states/Gameplay.h"
#include "graphics/Color.h"
#include "graphics/SpriteText.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
Gameplay& StartPlay(PlayHarness& play)
{
    IGamestate* state = play.engine.PushGamestate("Gameplay");
    state->SetCurrentLevel("segment1");
    play.engine.RunFrame();
    return dynamic_cast<Gameplay&>(play.engine.GetActiveGamestate());
}

SpriteText& MakeHud(PlayHarness& play)
{
    Entity& hud = play.Spawn("hud");
    hud.Add<Transform>();
    hud.Add<Color>();
    SpriteText* text = hud.Add<SpriteText>();
    hud.Add<ScoreTracker>();
    PlayHarness::Start(hud);
    return *text;
}

TEST(ScoreTracker, WithoutAPlayStateSaysSo)
{
    PlayHarness play;
    play.PushBare();
    SpriteText& text = MakeHud(play);
    play.Frame();
    EXPECT_EQ(text.text, "Couldnt find gamestate");
}

TEST(LoadLevelOnCollision, ThePlayersTouchEndsTheLevelAndNamesTheNextOne)
{
    PlayHarness play;
    Gameplay& state = StartPlay(play);
    Entity& goal = play.Spawn("Goal");
    goal.Add<LoadLevelOnCollision>()->levelName = "testlv";
    PlayHarness::Start(goal);
    Entity& rock = play.Spawn("Rock");
    play.Post(MSG_COLLISION, CollisionMessage{&goal, &rock, tvec2(0.0f), -1, true});
    play.Frame(0.0f);
    EXPECT_TRUE(state.LevelRunning());
    Entity& dog = play.Spawn("TumboWuffin");
    dog.Add<TumboController>();
    play.Post(MSG_COLLISION, CollisionMessage{&goal, &dog, tvec2(0.0f), -1, true});
    play.Frame(0.0f);
    EXPECT_FALSE(state.LevelRunning());
    EXPECT_EQ(state.LevelSettingsEntity()->Get<LevelSettings>()->nextLevel, "testlv");
    play.Frames(5, 0.5f); // segment1's EndTimer of 2 s
    EXPECT_EQ(state.CurrentLevel(), "testlv");
}
} // namespace
} // namespace Orvex
