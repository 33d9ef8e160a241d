#pragma once
// The level editor driven without a person or a window: the real state on a
// headless engine, its frames run as the engine runs them, the mouse and keys
// set in the engine's input state. The view is a 1000 x 1000 window with the
// editor camera at the origin and Size 10, so the world point (x, y) shows at
// the pixel (500 + 100 x, 500 - 100 y).
//
// Level files the tests write are named after the test and removed afterwards.

#include "data/Level.h"
#include "editor/LevelEditor.h"
#include "engine/AssetPaths.h"
#include "engine/Window.h"
#include "game/PlayHarness.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "physics/Transform.h"

#include <SDL_scancode.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace Orvex
{
class EditorTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        Window::ResizeWindow(1000, 1000);
        editor = dynamic_cast<LevelEditor*>(&play.Push("LevelEditor"));
        ASSERT_NE(editor, nullptr);
        play.engine.SetFrameLimiter(false);
        editor->EditorCamera().Get<Transform>()->position = tvec2(0.0f);
        editor->EditorCamera().Get<Camera>()->size = 10.0f;
    }

    void TearDown() override
    {
        for (const std::string& name : written)
            std::remove(AssetPath("Levels", name).c_str());
    }

    void Frame() { play.Frame(); }

    // A level file name for this test (short enough for the name field),
    // removed when the test ends.
    std::string LevelName(const std::string& name)
    {
        written.push_back("editor_test_" + name);
        return written.back();
    }

    // A drawn entity in the editor's table, not an edit of the level.
    Entity& Place(const std::string& name, tvec2 position, int layer = 0)
    {
        Entity& entity = play.Spawn(name);
        entity.Add<Transform>()->position = position;
        entity.Add<Color>();
        entity.Add<Sprite>()->layer = layer;
        return PlayHarness::Start(entity);
    }

    // An entity of the table with a Camera, chosen as the level's camera.
    Entity& PlaceCamera(const std::string& name = "Camera")
    {
        Entity& entity = play.Spawn(name);
        entity.Add<Transform>();
        entity.Add<Camera>()->size = 12.0f;
        PlayHarness::Start(entity);
        editor->SetLevelCamera(entity);
        return entity;
    }

    static void PointAt(tvec2 world)
    {
        Input::Current().mouseX = static_cast<int>(500.0f + 100.0f * world.x);
        Input::Current().mouseY = static_cast<int>(500.0f - 100.0f * world.y);
    }

    void Button(unsigned button, bool down, tvec2 world)
    {
        PointAt(world);
        Input::Current().mouseButtons[button] = down;
        Frame();
    }
    void Click(tvec2 world)
    {
        Button(Input::MouseLeft, true, world);
        Button(Input::MouseLeft, false, world);
    }
    // Press at from, hold while moving to to, release there.
    void Drag(tvec2 from, tvec2 to, unsigned button = Input::MouseLeft)
    {
        Button(button, true, from);
        Button(button, true, to);
        Button(button, false, to);
    }
    void Hold(unsigned scancode) { Input::KeyDown(scancode); }
    void Let(unsigned scancode) { Input::KeyUp(scancode); }
    // A key pressed for a frame (with Ctrl held around it when asked).
    void Key(unsigned scancode, bool ctrl = false)
    {
        if (ctrl)
            Hold(SDL_SCANCODE_LCTRL);
        play.Press(scancode);
        if (ctrl)
            Let(SDL_SCANCODE_LCTRL);
    }

    static tvec2 PositionOf(const Entity& entity) { return entity.Get<Transform>()->position; }
    // Within what a mouse on whole pixels reaches.
    static ::testing::AssertionResult Near(tvec2 got, tvec2 wanted)
    {
        if (glm::distance(got, wanted) < 1e-4f)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "(" << got.x << ", " << got.y << ") is not ("
                                             << wanted.x << ", " << wanted.y << ")";
    }

    std::vector<EditorPopup> TakePopups() { return std::exchange(editor->PopupsToOpen(), {}); }

    PlayHarness play;
    LevelEditor* editor = nullptr;
    std::vector<std::string> written;
};
} // namespace Orvex
