#include <gtest/gtest.h>

#include <cmath>

#include "SoundStates.h"
#include "audio/SoundSlider.h"
#include "engine/PlayerSettings.h"
#include "engine/Window.h"
#include "graphics/Camera.h"
#include "graphics/CameraView.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex::Testing
{
namespace
{
constexpr int windowWidth = 800, windowHeight = 600;

// A slider handle (a drawn, solid 1 x 1 box) on a track from -2 to 2, seen by a
// camera that shows 10 units across the window's height.
class SoundSliderTest : public SoundStateTest
{
protected:
    void SetUp() override
    {
        SoundStateTest::SetUp();
        Window::ResizeWindow(windowWidth, windowHeight);
        state = Start("options");
        Entity* view = Add(*state, "Camera");
        view->Add<Transform>();
        view->Add<Camera>()->size = 10.0f;
        view->InitComponents();
        state->SetCamera(view->id);
    }
    SoundSlider* Handle(unsigned type, float minX = -2.0f, float maxX = 2.0f, bool drawn = true)
    {
        handle = Add(*state, "handle");
        place = handle->Add<Transform>();
        place->position = {7.0f, -1.0f};
        handle->Add<Color>();
        handle->Add<RigidBody>();
        handle->Add<BoxCollider>();
        SoundSlider* slider = handle->Add<SoundSlider>();
        slider->minX = minX;
        slider->maxX = maxX;
        slider->type = type;
        handle->InitComponents();
        // Added after Init, which would load a texture: that it is drawn is what counts.
        if (drawn)
            handle->Add<Sprite>();
        return slider;
    }
    // One frame of mouse input: the cursor over a world point, the left button
    // down or up, then the slider's update.
    void Mouse(SoundSlider& slider, tvec2 world, bool down)
    {
        Input::Roll();
        const tvec2 device = tvec2(ActiveViewMatrix(1.0f, 1.0f) * glm::vec3(world, 1.0f));
        Input::Current().mouseX = static_cast<int>(std::lround((device.x + 1.0f) * 0.5f * windowWidth));
        Input::Current().mouseY = static_cast<int>(std::lround((1.0f - device.y) * 0.5f * windowHeight));
        Input::Current().mouseButtons[Input::MouseLeft] = down;
        slider.Update(1.0f / 60.0f);
    }
    static float VolumeOf(ChannelGroup* group)
    {
        float volume = -1.0f;
        group->GetVolume(&volume);
        return volume;
    }

    TraceState* state = nullptr;
    Entity* handle = nullptr;
    Transform* place = nullptr;
};

// The handle starts where its group's volume is (at minX without sound); a drag
// maps it to the effects volume, clamped to the track whichever end is larger;
// a track of no length keeps its handle and the volume; any other type drives
// the music.
TEST_F(SoundSliderTest, HandleStartsAtItsGroupsVolumeAndADragSetsItAlongTheTrack)
{
    SoundSlider& slider = *Handle(0);
    EXPECT_FLOAT_EQ(place->position.x, 0.0f); // effects at the engine's 0.5
    EXPECT_FLOAT_EQ(place->position.y, -1.0f);
    Mouse(slider, {0.0f, -1.0f}, true);
    ASSERT_TRUE(slider.dragging);
    Mouse(slider, {1.0f, 3.0f}, true); // off the handle now: a grabbed handle follows anyway
    EXPECT_NEAR(place->position.x, 1.0f, 0.02f);
    EXPECT_FLOAT_EQ(place->position.y, -1.0f);
    EXPECT_NEAR(VolumeOf(SoundManager::EffectsGroup()), 0.75f, 0.005f);
    const std::pair<float, float> ends[] = {{5.0f, 2.0f}, {-7.0f, -2.0f}}; // cursor, handle
    for (const auto& [cursor, x] : ends)
    {
        Mouse(slider, {cursor, -1.0f}, true);
        EXPECT_FLOAT_EQ(place->position.x, x);
        EXPECT_FLOAT_EQ(VolumeOf(SoundManager::EffectsGroup()), x > 0.0f ? 1.0f : 0.0f);
    }
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::MusicGroup()), 0.5f);
    SoundSlider& reversed = *Handle(0, 2.0f, -2.0f);
    EXPECT_FLOAT_EQ(place->position.x, 2.0f); // no effects volume: at minX
    Mouse(reversed, {2.0f, -1.0f}, false);
    Mouse(reversed, {2.0f, -1.0f}, true);
    Mouse(reversed, {-9.0f, -1.0f}, true);
    EXPECT_FLOAT_EQ(place->position.x, -2.0f);
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::EffectsGroup()), 1.0f);

    SoundSlider& point = *Handle(0, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(place->position.x, 1.0f);
    Mouse(point, {1.0f, -1.0f}, false);
    Mouse(point, {1.0f, -1.0f}, true);
    ASSERT_TRUE(point.dragging);
    Mouse(point, {3.0f, -1.0f}, true);
    EXPECT_FLOAT_EQ(place->position.x, 1.0f);
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::EffectsGroup()), 1.0f);
    EXPECT_FLOAT_EQ(point.VolumeForX(1.0f), 0.0f);

    SoundManager::MusicGroup()->SetVolume(0.25f);
    SoundSlider& music = *Handle(7);
    EXPECT_FLOAT_EQ(place->position.x, -1.0f);
    Mouse(music, {-1.0f, -1.0f}, false);
    Mouse(music, {-1.0f, -1.0f}, true);
    Mouse(music, {2.0f, -1.0f}, true);
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::MusicGroup()), 1.0f);
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::EffectsGroup()), 1.0f);

    SoundManager::Shutdown();
    SoundSlider& silent = *Handle(0);
    EXPECT_FLOAT_EQ(place->position.x, -2.0f);
    Mouse(silent, {-2.0f, -1.0f}, false);
    Mouse(silent, {-2.0f, -1.0f}, true);
    Mouse(silent, {1.0f, -1.0f}, true);
    EXPECT_NEAR(place->position.x, 1.0f, 0.02f);
}

// Ghost or undrawn handles cannot be grabbed at all; a press beside the handle
// held onto it grabs nothing; letting go keeps the volume for the next start.
TEST_F(SoundSliderTest, OnlyAFreshPressOnADrawnSolidHandleGrabsItAndTheReleaseLetsGo)
{
    SoundSlider& ghost = *Handle(0);
    handle->Get<BoxCollider>()->ghost = true;
    Mouse(ghost, {0.0f, -1.0f}, true);
    EXPECT_FALSE(ghost.dragging);
    SoundSlider& bare = *Handle(0, -2.0f, 2.0f, false);
    Mouse(bare, {0.0f, -1.0f}, false);
    Mouse(bare, {0.0f, -1.0f}, true);
    EXPECT_FALSE(bare.dragging);

    PlayerSettings::Close();
    SoundSlider& slider = *Handle(0);
    Mouse(slider, {1.5f, -1.0f}, true);
    Mouse(slider, {0.0f, -1.0f}, true);
    EXPECT_FALSE(slider.dragging);
    EXPECT_FLOAT_EQ(place->position.x, 0.0f);
    Mouse(slider, {0.0f, -1.0f}, false);
    Mouse(slider, {0.2f, -0.8f}, true);
    EXPECT_TRUE(slider.dragging);
    EXPECT_FALSE(PlayerSettings::File().Has("Sound", "Effects"));
    Mouse(slider, {1.0f, -1.0f}, false);
    EXPECT_FALSE(slider.dragging);
    EXPECT_EQ(PlayerSettings::File().Float("Sound", "Effects", -1, 0, 1),
              VolumeOf(SoundManager::EffectsGroup()));
    Mouse(slider, {-1.0f, -1.0f}, false);
    EXPECT_NEAR(place->position.x, 0.2f, 0.02f);
    EXPECT_NEAR(VolumeOf(SoundManager::EffectsGroup()), 0.55f, 0.005f);
}
} // namespace
} // namespace Orvex::Testing
