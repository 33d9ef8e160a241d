#include <SDL_scancode.h>

#include "PlayHarness.h"
#include "audio/ChannelGroup.h"
#include "audio/SoundManager.h"
#include "engine/PlayerSettings.h"
#include "engine/Window.h"
#include "game/components/BackButton.h"
#include "game/components/ExpandOnMouseOver.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
// The real menu, its options card beside it, seen through a 1280 x 720 window.
class MenuKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Window::ResizeWindow(1280, 720);
        PlayerSettings::Close();
        menu = &play.Push("MenuGS");
        play.Frame();
    }
    void TearDown() override { PlayerSettings::Close(); }

    tvec2 View() const { return menu->CameraEntity()->Get<Transform>()->position; }
    bool Focused(const char* name) const
    {
        return menu->FindEntity(name)->Get<ExpandOnMouseOver>()->focused;
    }
    void Pad(unsigned button)
    {
        Input::PadButton(button, true);
        play.Frame();
        Input::PadButton(button, false);
        play.Frame();
    }
    void Glide() { play.Frames(70); }

    PlayHarness play;
    IGamestate* menu = nullptr;
};

TEST_F(MenuKeys, ArrowsAndTheDPadWalkTheButtonsAndReturnPressesTheFocusedOne)
{
    play.Press(SDL_SCANCODE_RETURN); // the first key only shows the focus
    EXPECT_TRUE(Focused("Play"));
    EXPECT_EQ(View(), tvec2(0.0f));
    play.Press(SDL_SCANCODE_RIGHT);
    EXPECT_TRUE(Focused("Speedrun"));
    EXPECT_FALSE(Focused("Play"));
    Pad(Input::PadDown);
    EXPECT_TRUE(Focused("Quit"));
    play.Press(SDL_SCANCODE_LEFT);
    EXPECT_TRUE(Focused("Options"));
    play.Press(SDL_SCANCODE_LEFT); // nothing further that way
    EXPECT_TRUE(Focused("Options"));

    Pad(Input::PadA);
    Glide();
    EXPECT_EQ(View(), tvec2(20.0f, 0.0f));
    EXPECT_TRUE(Focused("Fullscreen")); // the view's topmost button takes the focus
    play.Press(SDL_SCANCODE_DOWN);
    EXPECT_TRUE(Focused("Res900"));
    play.Press(SDL_SCANCODE_DOWN);
    ASSERT_TRUE(Focused("MusicKnob"));

    // On a slider, sideways slides and keeps the volume.
    float before = 0.0f, after = 0.0f;
    SoundManager::MusicGroup()->GetVolume(&before);
    play.Press(SDL_SCANCODE_RIGHT);
    SoundManager::MusicGroup()->GetVolume(&after);
    EXPECT_NEAR(after, before + 0.1f, 1e-5f);
    EXPECT_FLOAT_EQ(PlayerSettings::File().Float("Sound", "Music", -1, 0, 1), after);
    EXPECT_TRUE(Focused("MusicKnob"));

    Input::Current().mouseX += 5; // the mouse takes over
    play.Frame();
    EXPECT_FALSE(Focused("MusicKnob"));
}

TEST_F(MenuKeys, EscapeOrBGoesBackFromTheOptionsCardAndDoesNothingOnTheMainCard)
{
    for (const bool pad : {false, true})
    {
        auto back = [&] { pad ? Pad(Input::PadB) : play.Press(SDL_SCANCODE_ESCAPE); };
        back();
        Glide();
        EXPECT_EQ(View(), tvec2(0.0f)) << pad;
        EXPECT_EQ(play.engine.Gamestates().size(), 1u) << pad;
        PressButtons(*menu->FindEntity("Options"));
        Glide();
        ASSERT_EQ(View(), tvec2(20.0f, 0.0f)) << pad;
        back();
        Glide();
        EXPECT_EQ(View(), tvec2(0.0f)) << pad;
    }
}
} // namespace
} // namespace Orvex
