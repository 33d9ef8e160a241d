// The sidebar's popups answered with keys as a person presses them: held across
// frames, the key that asks a question is not also its answer.

#include "WindowHarness.h"

namespace Orvex
{
namespace
{
class SidebarWindow : public WindowTest
{
public:
    void Draw()
    {
        DrawFrame([](LevelEditor& e) { e.LayOutWindows(); });
    }

    // Down for half a second of frames, longer than ImGui waits before it
    // repeats a key, then up.
    void Press(unsigned scancode)
    {
        SetKey(scancode, true);
        for (int frame = 0; frame < 30; ++frame)
        {
            Frame();
            Draw();
        }
        SetKey(scancode, false);
        Frame();
        Draw();
    }
};

TEST_F(SidebarWindow, EscapeAsksBeforeLeavingAndEscapeAgainStays)
{
    Press(SDL_SCANCODE_ESCAPE);
    EXPECT_TRUE(AnyPopupOpen());
    Press(SDL_SCANCODE_ESCAPE);
    EXPECT_FALSE(AnyPopupOpen());
    EXPECT_EQ(play.engine.ActiveGamestate(), editor);

    Press(SDL_SCANCODE_ESCAPE);
    const std::size_t depth = play.engine.Gamestates().size();
    SetKey(SDL_SCANCODE_RETURN, true); // "Quit"
    Frame();
    Draw();
    Frame();
    SetKey(SDL_SCANCODE_RETURN, false);
    EXPECT_EQ(play.engine.Gamestates().size(), depth - 1);
}

TEST_F(SidebarWindow, HidesTheLevelBehindIt)
{
    Draw();
    const ImGuiWindow* sidebar = ImGui::FindWindowByName("Sidebar");
    ASSERT_NE(sidebar, nullptr);
    // Its first shape is the background over the whole window.
    const ImDrawVert& corner = sidebar->DrawList->VtxBuffer[0];
    EXPECT_EQ(corner.pos.x, 0.0f);
    EXPECT_EQ(corner.pos.y, 0.0f);
    EXPECT_EQ((corner.col >> IM_COL32_A_SHIFT) & 0xFF, 0xFFu);
}
} // namespace
} // namespace Orvex
