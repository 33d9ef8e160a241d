#include <gtest/gtest.h>

#include "GlWindow.h"
#include "TestScene.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/SpriteText.h"
#include "physics/BoxCollider.h"
#include "physics/ColliderQueries.h"
#include "physics/RigidBody.h"

namespace Orvex
{
namespace
{
// The bright pixels' bounding box in pixels of the back buffer.
struct Box
{
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    float Ratio() const { return static_cast<float>(x1 - x0 + 1) / static_cast<float>(y1 - y0 + 1); }
};

class TextProportions : public GlWindow
{
protected:
    void SetUp() override
    {
        GlWindow::SetUp();
        if (IsSkipped())
            return;
        scene.AddSettings({0.0f, 0.0f, 0.0f, 1.0f});
    }
    void TearDown() override { Window::ResizeWindow(Width, Height); }

    // A white full block, its left edge at position, 0.4 high in its own units.
    SpriteText* Block(tvec2 position, bool onHud)
    {
        Entity* entity = scene.AddPlaced("Block", position, {1.0f, 0.4f});
        entity->Add<RigidBody>();
        entity->Add<BoxCollider>();
        SpriteText* text = entity->Add<SpriteText>();
        text->text = "\xE2\x96\x88";
        text->onHud = onHud;
        entity->InitComponents();
        text->Update(0.0f);
        return text;
    }

    // Draws at width x height and measures the bright pixels of the left or right half.
    Box Measure(int width, int height, bool rightHalf)
    {
        Window::ResizeWindow(width, height);
        graphics.DrawFrame(scene);
        Box box;
        const int from = rightHalf ? width / 2 : 0, to = rightHalf ? width : width / 2;
        const std::vector<std::uint8_t> rgba = ReadBack(0, 0, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = from; x < to; ++x)
                if (rgba[(static_cast<std::size_t>(y) * width + x) * 4] > 128)
                {
                    box.x0 = std::min(box.x0, x);
                    box.x1 = std::max(box.x1, x);
                    box.y0 = std::min(box.y0, height - 1 - y);
                    box.y1 = std::max(box.y1, height - 1 - y);
                }
        return box;
    }

    TestScene scene;
    GraphicsSystem graphics;
};

TEST_F(TextProportions, HudTextKeepsTheShapeOfWorldTextAtEveryWindowShape)
{
    scene.AddCamera({0.0f, 0.0f}, 4.0f);
    Block({-0.8f, 0.0f}, true);     // left half of the screen, on the HUD
    Block({0.5f, 0.0f}, false);     // right half, in the world
    const Box wideHud = Measure(1280, 720, false), wideWorld = Measure(1280, 720, true);
    const Box tallHud = Measure(450, 800, false), tallWorld = Measure(450, 800, true);
    ASSERT_GE(wideHud.x1, 0);
    ASSERT_GE(tallHud.x1, 0);
    EXPECT_NEAR(wideHud.Ratio(), wideWorld.Ratio(), 0.08f * wideWorld.Ratio());
    EXPECT_NEAR(tallHud.Ratio(), tallWorld.Ratio(), 0.08f * tallWorld.Ratio());
    EXPECT_NEAR(wideHud.Ratio(), tallHud.Ratio(), 0.08f * tallHud.Ratio());
}

TEST_F(TextProportions, PickingAHudTextHitsTheLettersAsDrawn)
{
    // No camera: the HUD and the world share device units, as on a bare menu.
    SpriteText* text = Block({-0.5f, 0.0f}, true);
    const Box drawn = Measure(1280, 720, false);
    ASSERT_GE(drawn.x1, 0);
    const float y = 1.0f - 2.0f * static_cast<float>(drawn.y0 + drawn.y1) / 2.0f / 720.0f;
    const auto deviceX = [](int pixel) { return 2.0f * (static_cast<float>(pixel) + 0.5f) / 1280.0f - 1.0f; };
    // The whole quad is picked, its letter's ink a little inside it.
    EXPECT_TRUE(PointInCollider({deviceX(drawn.x1) - 0.005f, y}, *text->owner));
    EXPECT_FALSE(PointInCollider({deviceX(drawn.x1) + 0.06f, y}, *text->owner));
}
} // namespace
} // namespace Orvex
