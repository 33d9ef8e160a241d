#include "PlayHarness.h"
#include "actions/Action.h"
#include "audio/SoundEmitter.h"
#include "engine/Window.h"
#include "game/components/SoundOnMouseOver.h"
#include "game/components/Timer.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
constexpr int windowWidth = 800, windowHeight = 600;

// A 1 x 1 button at the origin of a state without a camera (device and world
// coordinates agree). A hover sound is known by the Timer's mark moving to now.
class HoverSound : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Window::ResizeWindow(windowWidth, windowHeight);
        state = &play.PushBare();
    }
    Entity& Button(const std::string& name, bool drawn = true, bool ghost = false)
    {
        Entity& entity = play.Spawn(name);
        entity.Add<Transform>();
        entity.Add<Color>();
        if (drawn)
            entity.Add<Sprite>();
        entity.Add<RigidBody>();
        entity.Add<BoxCollider>()->ghost = ghost;
        entity.Add<SoundEmitter>();
        timer = entity.Add<Timer>();
        entity.Add<SoundOnMouseOver>();
        return PlayHarness::Start(entity);
    }
    static void PointAt(tvec2 point)
    {
        Input::Current().mouseX = static_cast<int>((point.x + 1.0f) * 0.5f * windowWidth);
        Input::Current().mouseY = static_cast<int>((1.0f - point.y) * 0.5f * windowHeight);
    }
    // One frame with the cursor inside or away; true when it sounded.
    bool FrameWithCursor(bool inside, float dt = PlayHarness::step)
    {
        PointAt(inside ? tvec2(0.1f, -0.1f) : tvec2(0.9f, 0.9f));
        const float before = timer->mark;
        play.Frame(dt);
        return timer->mark != before;
    }

    PlayHarness play;
    IGamestate* state = nullptr;
    Timer* timer = nullptr;
};

TEST_F(HoverSound, SoundsOncePerEntryAndNeverWithinAFifthOfASecondOfTheLast)
{
    Button("Play");
    EXPECT_FALSE(FrameWithCursor(false, 0.5f));
    EXPECT_TRUE(FrameWithCursor(true));
    EXPECT_FALSE(FrameWithCursor(false));
    EXPECT_FALSE(FrameWithCursor(true)); // back in two frames after the sound
    EXPECT_FALSE(FrameWithCursor(false, 0.1f));
    EXPECT_FALSE(FrameWithCursor(true)); // 0.15 s after it
    for (int i = 0; i < 30; ++i)         // a quiet entry is spent, not postponed
        EXPECT_FALSE(FrameWithCursor(true)) << "frame " << i << " inside";
    EXPECT_FALSE(FrameWithCursor(false));
    EXPECT_TRUE(FrameWithCursor(true));
    for (int i = 0; i < 30; ++i)
        EXPECT_FALSE(FrameWithCursor(true)) << "frame " << i << " inside";
}

TEST_F(HoverSound, GhostAndUndrawnEntitiesAreNeverOver)
{
    Entity& ghost = Button("Ghost", true, true);
    play.Frame(1.0f);
    PointAt({0.0f, 0.0f});
    play.Frame();
    EXPECT_FALSE(ghost.Get<SoundOnMouseOver>()->over);
    EXPECT_EQ(timer->mark, 0.0f);
    Entity& bare = Button("Bare", false);
    play.Frame(1.0f);
    EXPECT_FALSE(bare.Get<SoundOnMouseOver>()->over);
    EXPECT_EQ(timer->mark, 0.0f);
}

TEST_F(HoverSound, WhileTheCameraGlidesNothingIsAskedAndTheEntryCountsAfterwards)
{
    Entity& view = play.Spawn("Camera");
    Transform* eye = view.Add<Transform>();
    view.Add<Camera>()->size = 2.0f;
    PlayHarness::Start(view);
    state->SetCamera(view.id);
    Entity& button = Button("Options");
    SoundOnMouseOver* hover = button.Get<SoundOnMouseOver>();
    play.Frame(1.0f);
    AddAction(view, &eye->position, eye->position, 0.5f, QuadOut);
    state->AddSystem("ActionSystem");
    PointAt({0.1f, -0.1f});
    for (int i = 0; i < 20 && !view.actions.empty(); ++i)
    {
        play.Frame(0.1f);
        if (!view.actions.empty())
        {
            EXPECT_FALSE(hover->over || timer->mark != 0.0f) << "frame " << i << " of the glide";
        }
    }
    ASSERT_TRUE(view.actions.empty());
    // The frame the glide ended in already heard the cursor come in.
    EXPECT_NE(timer->mark, 0.0f);
    EXPECT_TRUE(hover->wasOver);
}

} // namespace
} // namespace Orvex
