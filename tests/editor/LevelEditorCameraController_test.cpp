// The editor's own camera: arrows move it half a view a second, Ctrl with the
// wheel or Up and Down zooms within sane sizes, the middle button drags the
// world along under the cursor.

#include "EditorHarness.h"
#include "editor/LevelEditorCameraController.h"

namespace Orvex
{
namespace
{
class EditorCamera : public EditorTest
{
public:
    tvec2 Position() const { return editor->EditorCamera().Get<Transform>()->position; }
    float& Size() const { return editor->EditorCamera().Get<Camera>()->size; }
    LevelEditorCameraController& Controller() const
    {
        return *editor->EditorCamera().Get<LevelEditorCameraController>();
    }
    void Wheel(bool up)
    {
        Input::Current().mouseButtons.set(up ? Input::MouseWheelUp : Input::MouseWheelDown);
        Frame();
    }
};

TEST_F(EditorCamera, EachArrowMovesHalfAViewASecondItsWay)
{
    const std::vector<std::pair<unsigned, tvec2>> arrows = {
        {SDL_SCANCODE_UP, {0.0f, 1.0f}},
        {SDL_SCANCODE_DOWN, {0.0f, -1.0f}},
        {SDL_SCANCODE_RIGHT, {1.0f, 0.0f}},
        {SDL_SCANCODE_LEFT, {-1.0f, 0.0f}},
    };
    for (const auto& [key, direction] : arrows)
    {
        const tvec2 start = Position();
        Hold(key);
        for (int i = 0; i < 60; ++i)
            Frame();
        Let(key);
        EXPECT_TRUE(Near(Position() - start, direction * 5.0f)) << key;
    }
}

TEST_F(EditorCamera, CtrlWithTheWheelOrUpAndDownZoomsWithinSaneSizes)
{
    Hold(SDL_SCANCODE_LCTRL);
    Wheel(true);
    EXPECT_FLOAT_EQ(Size(), 10.0f / 1.2f);
    Wheel(false);
    EXPECT_FLOAT_EQ(Size(), 10.0f);
    play.Press(SDL_SCANCODE_DOWN);
    EXPECT_FLOAT_EQ(Size(), 12.0f);
    EXPECT_TRUE(Near(Position(), tvec2(0.0f))); // Ctrl holds the arrows back
    editor->mouseOverWindows = true; // the wheel scrolls the window, not the view
    Wheel(true);
    EXPECT_FLOAT_EQ(Size(), 12.0f);
    editor->mouseOverWindows = false;
    Let(SDL_SCANCODE_LCTRL);
    Wheel(true);
    EXPECT_FLOAT_EQ(Size(), 12.0f);

    // It stays sane whatever the wheel or the factor.
    Hold(SDL_SCANCODE_LCTRL);
    for (int i = 0; i < 80; ++i)
        Wheel(true);
    EXPECT_FLOAT_EQ(Size(), LevelEditorCameraController::MinSize);
    for (const float factor : {0.0f, 1.0f, -2.0f, std::nanf("")})
    {
        Controller().zoomSpeed = factor;
        Wheel(false);
        EXPECT_FLOAT_EQ(Size(), LevelEditorCameraController::MinSize) << factor;
    }
}

TEST_F(EditorCamera, MiddleDragKeepsTheGrabbedPointUnderTheCursor)
{
    Button(Input::MouseMiddle, true, {1.0f, 1.0f});
    Button(Input::MouseMiddle, true, {3.0f, 0.0f});
    Button(Input::MouseMiddle, true, {3.0f, 0.0f});
    EXPECT_TRUE(Near(Position(), tvec2(-2.0f, 1.0f)));
    Button(Input::MouseMiddle, false, {0.0f, 0.0f});
    EXPECT_TRUE(Near(Position(), tvec2(-2.0f, 1.0f)));
}
} // namespace
} // namespace Orvex
