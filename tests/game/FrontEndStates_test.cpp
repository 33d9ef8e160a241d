#include <SDL.h>

#include "PlayHarness.h"
#include "object/Entity.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyR = SDL_SCANCODE_R, keyEscape = SDL_SCANCODE_ESCAPE, keyA = SDL_SCANCODE_A;

std::string TopName(const PlayHarness& play)
{
    const auto& states = play.engine.Gamestates();
    return states.empty() ? "" : states.back()->TypeName();
}

TEST(IntroGS, ShowsTheLogoForFourSecondsTheTitleForFourMoreThenTheMenuWhosePopEndsTheProgram)
{
    PlayHarness play;
    IGamestate& intro = play.Push("IntroGS");
    EXPECT_EQ(intro.CurrentLevel(), "Intro");
    EXPECT_FALSE(intro.ShowCursor());
    play.Frames(7, 0.5f);
    EXPECT_EQ(intro.CurrentLevel(), "Intro");
    play.Frame(0.5f); // 4 s
    EXPECT_EQ(intro.CurrentLevel(), "Intro2");
    play.Frames(7, 0.5f);
    EXPECT_EQ(TopName(play), "IntroGS");
    play.Frame(0.5f); // 8 s
    EXPECT_EQ(TopName(play), "MenuGS");
    EXPECT_EQ(play.engine.GetActiveGamestate().CurrentLevel(), "menu");

    // Popping the menu ends the program through the intro. The engine's own
    // frames from here: the intro, past 8 s, asks for another menu in its last
    // update, but the stack empties before that push is applied.
    play.Frame(0.5f);
    play.engine.SetFlag(Engine::ACTIVE);
    play.engine.PopGamestates(1);
    play.engine.RunFrame(); // the menu goes; the intro resumes and asks for its own pop
    EXPECT_EQ(TopName(play), "IntroGS");
    play.engine.RunFrame();
    EXPECT_TRUE(play.engine.Gamestates().empty());
}

TEST(IntroGS, AKeyHeldFromTheStartOrAMouseButtonSkipsToTheMenu)
{
    for (const bool key : {true, false})
    {
        PlayHarness play;
        if (key)
            Input::KeyDown(keyA);
        play.Push("IntroGS");
        play.Frame();
        if (!key)
        {
            EXPECT_EQ(TopName(play), "IntroGS");
            Input::Current().mouseButtons.set(Input::MouseLeft);
            play.Frame();
        }
        EXPECT_EQ(TopName(play), "MenuGS") << (key ? "key" : "mouse button");
    }
}

TEST(MenuGS, RReloadsTheMenuWithNewEntities)
{
    PlayHarness play;
    IGamestate& menu = play.Push("MenuGS");
    ASSERT_NE(menu.FindEntity("Play"), nullptr);
    const std::uint32_t before = menu.FindEntity("Play")->id;
    play.Press(keyR);
    EXPECT_EQ(menu.CurrentLevel(), "menu");
    ASSERT_NE(menu.FindEntity("Play"), nullptr);
    EXPECT_NE(menu.FindEntity("Play")->id, before);
}

TEST(PauseGS, TheEscapeThatOpenedItDoesNotCloseItTheNextOneDoes)
{
    BarePlay play;
    Input::KeyDown(keyEscape); // as in play, the press that asked for the pause
    play.Push("PauseGS");
    play.Frames(3);
    EXPECT_EQ(TopName(play), "PauseGS");
    Input::KeyUp(keyEscape);
    play.Frame();
    play.Press(keyEscape);
    EXPECT_EQ(play.engine.Gamestates().size(), 1u);
}

// The quit question, the confirmation and the end screen: their levels load and
// Escape leaves them.
TEST(PlainScreens, TheirLevelsLoadAndEscapeLeavesThem)
{
    struct Case
    {
        const char* state;
        const char* part; // an entity of its level
        std::size_t systems;
    };
    for (const Case& c : {Case{"QuitGS", "Question", 4}, Case{"ConfirmationGS", "Leave", 0},
                          Case{"EndGS", "Leave", 0}})
    {
        BarePlay play;
        IGamestate& screen = play.Push(c.state);
        EXPECT_EQ(screen.Systems().size(), c.systems) << c.state;
        EXPECT_NE(screen.FindEntity(c.part), nullptr) << c.state;
        play.Press(keyEscape);
        EXPECT_EQ(play.engine.Gamestates().size(), 1u) << c.state;
    }
}
} // namespace
} // namespace Orvex
