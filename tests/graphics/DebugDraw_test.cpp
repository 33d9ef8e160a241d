#include "graphics/DebugDraw.h"

#include <gtest/gtest.h>

#include "GlWindow.h"
#include "TestScene.h"
#include "data/LevelSettings.h"
#include "graphics/GraphicsSystem.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"

namespace Orvex
{
namespace
{
int PixelX(float x) { return static_cast<int>((x + 1.0f) * 0.5f * GlWindow::Width); }
int PixelY(float y) { return static_cast<int>((1.0f - y) * 0.5f * GlWindow::Height); }

const std::array<int, 3> yellow{255, 255, 0}, dark{26, 26, 26};

class DebugOverlay : public GlWindow
{
protected:
    void SetUp() override
    {
        GlWindow::SetUp();
        if (IsSkipped())
            return;
        Entity* settings = New<Entity>("LevelSettings");
        settings->Add<LevelSettings>();
        settings->Add<Color>()->color = {0.2f, 0.3f, 0.8f, 1.0f};
        scene.AddEntity(settings);
        scene.SetLevelSettings(settings->id);
    }
    // Overlay pixels of that colour within a few pixels of the device point.
    int Around(float x, float y, std::array<int, 3> colour)
    {
        return PixelsNear(PixelX(x) - 3, PixelY(y) - 3, PixelX(x) + 4, PixelY(y) + 4, colour, 20);
    }

    TestScene scene;
    GraphicsSystem graphics;
};

TEST_F(DebugOverlay, DrawsVelocitiesAndColliderBoundsWhereTheBodiesAre)
{
    // A camera of size 4 on 640 x 480: world x / (8 / 3), y / 2 in device units.
    scene.AddCamera({0.0f, 0.0f}, 4.0f);
    Entity* crate = scene.AddPlaced("Crate", {-1.6f, 0.0f}, {0.8f, 0.8f});
    crate->Add<RigidBody>();
    crate->Add<BoxCollider>();
    crate->InitComponents();
    Entity* ball = scene.AddPlaced("Ball", {1.6f, -0.6f});
    ball->Add<RigidBody>()->velocity = {0.0f, 1.2f};

    graphics.DrawFrame(scene);
    EXPECT_EQ(Around(-0.75f, 0.0f, yellow), 0);
    EXPECT_EQ(Around(0.6f, 0.0f, dark), 0);
    graphics.debugDraw = true;
    graphics.DrawFrame(scene);
    // The crate's box spans x -2 .. -1.2 and y -0.4 .. 0.4.
    EXPECT_GT(Around(-0.75f, 0.0f, yellow), 0);  // its left side
    EXPECT_GT(Around(-0.6f, 0.2f, yellow), 0);   // its top
    EXPECT_EQ(Around(-0.6f, 0.0f, yellow), 0);   // its middle stays clear
    // The ball's second of travel: a line from y -0.6 up to 0.6 at x 1.6.
    EXPECT_GT(Around(0.6f, 0.0f, dark), 0);
    EXPECT_EQ(Around(0.6f, 0.45f, dark), 0);
}
} // namespace
} // namespace Orvex
