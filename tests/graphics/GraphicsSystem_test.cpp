#include "graphics/GraphicsSystem.h"

#include <gtest/gtest.h>

#include "TestScene.h"
#include "data/LevelSettings.h"
#include "engine/Window.h"
#include "graphics/Mesh.h"
#include "graphics/SceneView.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
class GraphicsFrame : public ::testing::Test
{
protected:
    void SetUp() override { Window::ResizeWindow(1280, 720); }

    Entity* AddSettings()
    {
        Entity* settings = New<Entity>("LevelSettings");
        settings->Add<LevelSettings>();
        scene.AddEntity(settings);
        scene.SetLevelSettings(settings->id);
        return settings;
    }

    TestScene scene;
    GraphicsSystem graphics;
    cTexture plain{1, 4, 4};
    cTexture other{2, 4, 4};
};

TEST_F(GraphicsFrame, LevelWithOnlyItsSettingsDrawsNothing)
{
    AddSettings();
    graphics.DrawFrame(scene);
    EXPECT_TRUE(graphics.DrawList().empty());
    EXPECT_EQ(graphics.DrawCalls(), 0u);
}

TEST_F(GraphicsFrame, BackgroundIsTheSettingsColourOrTheDefault)
{
    EXPECT_EQ(BackgroundColour(scene), GraphicsSystem::DefaultBackground);
    Entity* settings = AddSettings();
    EXPECT_EQ(BackgroundColour(scene), GraphicsSystem::DefaultBackground);
    settings->Add<Color>()->color = {0.2f, 0.4f, 0.6f, 1.0f};
    EXPECT_EQ(BackgroundColour(scene), tvec4(0.2f, 0.4f, 0.6f, 1.0f));
}

TEST_F(GraphicsFrame, OneEntityMayContributeSeveralDrawables)
{
    Sprite* sprite = scene.AddSprite("sign", {0.0f, 0.0f}, &plain);
    SpriteText* text = sprite->owner->Add<SpriteText>();
    text->texture = &other;
    text->layer = 1;
    graphics.Collect(scene, SceneView(scene), 1.0f);
    ASSERT_EQ(graphics.DrawList().size(), 2u);
    EXPECT_EQ(graphics.DrawList()[0].object, sprite);
    EXPECT_EQ(graphics.DrawList()[1].object, text);
    // The text's own texture is not the sprite's to keep: hand it back before it is freed.
    text->texture = nullptr;
}

TEST_F(GraphicsFrame, InvisibleObjectsAreLeftOutAndMeshesGoWithDrawMesh)
{
    cMesh square;
    Sprite* hidden = scene.AddSprite("hidden", {0.0f, 0.0f}, &plain);
    hidden->visible = false;
    Sprite* filled = scene.AddSprite("filled", {1.0f, 0.0f}, &plain);
    filled->mesh = &square;
    filled->drawMesh = true;
    Sprite* plainSprite = scene.AddSprite("plain", {2.0f, 0.0f}, &plain);
    plainSprite->mesh = &square;
    graphics.Collect(scene, SceneView(scene), 1.0f);
    ASSERT_EQ(graphics.DrawList().size(), 2u);
    for (const DrawEntry& entry : graphics.DrawList())
        EXPECT_EQ(entry.mesh, entry.object == filled ? &square : nullptr);
}

TEST_F(GraphicsFrame, CulledSpriteKeepsItsPlaceButHasNoQuad)
{
    scene.AddCamera({0.0f, 0.0f}, 10.0f);
    Sprite* far = scene.AddSprite("far", {100.0f, 0.0f}, &plain);
    Sprite* near = scene.AddSprite("near", {1.0f, 0.0f}, &plain);
    graphics.Collect(scene, SceneView(scene), Window::Aspect());
    EXPECT_EQ(graphics.DrawList().size(), 2u);
    EXPECT_EQ(far->streams.VertexCount(), 0u);
    EXPECT_EQ(near->streams.QuadCount(), 1u);
}

TEST_F(GraphicsFrame, HigherLayerSortsLaterWhateverTheTable)
{
    Sprite* top = scene.AddSprite("top", {0.0f, 0.0f}, &plain, 2);
    Sprite* bottom = scene.AddSprite("bottom", {0.0f, 0.0f}, &other, 1);
    graphics.Collect(scene, SceneView(scene), 1.0f);
    ASSERT_EQ(graphics.DrawList().size(), 2u);
    EXPECT_EQ(graphics.DrawList()[0].object, bottom);
    EXPECT_EQ(graphics.DrawList()[1].object, top);
}
} // namespace
} // namespace Orvex
