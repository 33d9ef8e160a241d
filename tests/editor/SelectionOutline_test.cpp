// The selection outline and the level camera's frame, drawn and read back: each
// shows for an entity with what it needs, and an entity made without a
// Transform, a drawable or a Camera is left out rather than read.

#include "editor/SelectionOutline.h"
#include "graphics/GlWindow.h"
#include "graphics/SceneView.h"
#include "graphics/TestScene.h"
#include "graphics/SpriteText.h"

#include <cstdint>
#include <vector>

namespace Orvex
{
namespace
{
class Outlines : public GlWindow
{
protected:
    // Pixels of the whole window the outline or frame coloured (over black).
    template <class Shown> int AfterDrawing(Shown draw, bool orange)
    {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        draw(SceneView(scene));
        const std::vector<std::uint8_t> rgba = ReadBack(0, 0, Width, Height);
        int count = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4)
        {
            const int r = rgba[i], g = rgba[i + 1], b = rgba[i + 2];
            count += orange ? r > 200 && g > 80 && g < 180 && b < 60 : b > 150 && r < 150;
        }
        return count;
    }
    int OutlinePixels(const Entity& entity)
    {
        return AfterDrawing([&](const SceneView& view) { DrawSelectionOutline(entity, view); },
                            true);
    }
    int FramePixels(const Entity& entity)
    {
        return AfterDrawing([&](const SceneView& view) { DrawCameraFrame(entity, view); }, false);
    }

    // Without a camera in the scene, world units are device units.
    TestScene scene;
};

TEST_F(Outlines, TheOutlineShowsOnlyForAPlacedDrawnEntity)
{
    Entity* sprite = scene.AddPlaced("sprite", {0.0f, 0.0f}, {0.5f, 0.5f});
    sprite->Add<Sprite>();
    EXPECT_GT(OutlinePixels(*sprite), 100);
    Entity* text = scene.AddPlaced("text", {0.0f, 0.0f}, {0.5f, 0.5f});
    text->Add<SpriteText>();
    EXPECT_GT(OutlinePixels(*text), 100);

    Entity* unplaced = New<Entity>("unplaced");
    unplaced->Add<Sprite>();
    scene.AddEntity(unplaced);
    EXPECT_EQ(OutlinePixels(*unplaced), 0);
    EXPECT_EQ(OutlinePixels(*scene.AddPlaced("undrawn", {0.0f, 0.0f})), 0);
}

TEST_F(Outlines, TheCameraFrameNeedsTheCameraAndItsPlace)
{
    Entity* camera = scene.AddPlaced("camera", {0.0f, 0.0f});
    camera->Add<Camera>()->size = 1.0f;
    EXPECT_GT(FramePixels(*camera), 100);

    Entity* unplaced = New<Entity>("unplaced");
    unplaced->Add<Camera>();
    scene.AddEntity(unplaced);
    EXPECT_EQ(FramePixels(*unplaced), 0);
    EXPECT_EQ(FramePixels(*scene.AddPlaced("no lens", {0.0f, 0.0f})), 0);
}
} // namespace
} // namespace Orvex
