#include "graphics/GraphicsSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "GlWindow.h"
#include "TestScene.h"
#include "data/LevelSettings.h"
#include "engine/Window.h"
#include "graphics/Mesh.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"
#include "graphics/SceneView.h"
#include "graphics/Screenshot.h"
#include "graphics/SurfacePtr.h"
#include "graphics/SpriteText.h"
#include "graphics/Textures.h"

namespace Orvex
{
namespace
{
cTexture plain{1, 4, 4};

TEST(GraphicsFrame, BackgroundIsTheLevelSettingsColourOrTheDefault)
{
    TestScene scene;
    EXPECT_EQ(BackgroundColour(scene), GraphicsSystem::DefaultBackground);
    Entity* settings = New<Entity>("LevelSettings");
    settings->Add<LevelSettings>();
    scene.AddEntity(settings);
    scene.SetLevelSettings(settings->id);
    EXPECT_EQ(BackgroundColour(scene), GraphicsSystem::DefaultBackground);
    settings->Add<Color>()->color = {0.2f, 0.4f, 0.6f, 1.0f};
    EXPECT_EQ(BackgroundColour(scene), tvec4(0.2f, 0.4f, 0.6f, 1.0f));
    GraphicsSystem graphics;
    graphics.DrawFrame(scene); // without a window nothing is cleared, nor drawn
    EXPECT_EQ(graphics.DrawCalls(), 0u);
}

// One entity may contribute several drawables; a culled one keeps its place in
// the list but has no quad.
TEST(GraphicsFrame, CollectsEveryDrawableAndCullsWhatTheCameraCannotSee)
{
    Window::ResizeWindow(1280, 720);
    TestScene scene;
    GraphicsSystem graphics;
    cTexture other{2, 4, 4};
    scene.AddCamera({0.0f, 0.0f}, 10.0f);
    Sprite* far = scene.AddSprite("far", {100.0f, 0.0f}, &plain);
    Sprite* sprite = scene.AddSprite("sign", {1.0f, 0.0f}, &plain);
    SpriteText* text = sprite->owner->Add<SpriteText>();
    text->texture = &other;
    text->layer = 1;
    graphics.Collect(scene, SceneView(scene), Window::Aspect());
    ASSERT_EQ(graphics.DrawList().size(), 3u);
    EXPECT_EQ(graphics.DrawList()[2].object, text); // the higher layer
    EXPECT_EQ(far->streams.VertexCount(), 0u);
    EXPECT_EQ(sprite->streams.QuadCount(), 1u);
    // The text's own texture is not the sprite's to keep: hand it back before it is freed.
    text->texture = nullptr;
}

// --- Rendered frames, read back from the window ------------------------------

// Pixel of a device point on the test window.
int PixelX(float x) { return static_cast<int>((x + 1.0f) * 0.5f * GlWindow::Width); }
int PixelY(float y) { return static_cast<int>((1.0f - y) * 0.5f * GlWindow::Height); }

const std::array<int, 3> kBlue{51, 77, 204};

class SceneRendering : public GlWindow
{
protected:
    void SetUp() override
    {
        GlWindow::SetUp();
        if (IsSkipped())
            return;
        scene.AddSettings({0.2f, 0.3f, 0.8f, 1.0f});
    }

    // A sprite in world (here device) units, initialised: default texture and mesh.
    Sprite* Add(tvec2 position, tvec4 colour, int layer = 0, const char* texture = "Default")
    {
        Sprite* sprite = scene.AddSprite("sprite", position, GetTexture(texture), layer);
        sprite->owner->Get<Transform>()->scale = {0.5f, 0.5f};
        sprite->owner->Get<Color>()->color = colour;
        sprite->owner->InitComponents();
        return sprite;
    }

    TestScene scene;
    GraphicsSystem graphics;
};

// A higher layer covers a lower one whatever the entity order; a mesh is filled
// beneath its sprite, where the soft square's texture fades out towards its quad's
// edge, and without it the background shows there.
TEST_F(SceneRendering, SmallSceneShowsBackgroundSpritesMeshesLayersAndText)
{
    Add({-0.5f, 0.5f}, {1.0f, 0.0f, 0.0f, 1.0f});
    Add({0.5f, 0.5f}, {0.0f, 1.0f, 0.0f, 1.0f}, 0, "Square");
    Add({-0.5f, -0.5f}, {0.0f, 1.0f, 1.0f, 1.0f}, 0, "Square")->drawMesh = true;
    Add({0.0f, 0.0f}, {1.0f, 1.0f, 0.0f, 1.0f}, 2);
    Add({0.0f, 0.0f}, {1.0f, 0.0f, 1.0f, 1.0f}, 1);
    Entity* label = scene.AddPlaced("label", {0.2f, -0.5f}, {1.0f, 0.3f});
    SpriteText* text = label->Add<SpriteText>();
    text->text = "Hi";
    text->onHud = true;
    label->InitComponents();
    text->Update(0.0f);

    graphics.DrawFrame(scene);
    SaveScreenshot("gfx_scene.png");

    EXPECT_TRUE(Near(5, 5, kBlue));
    EXPECT_TRUE(Near(PixelX(-0.5f), PixelY(0.5f), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelX(-0.7f), PixelY(0.3f), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelX(-0.8f), PixelY(0.5f), kBlue)); // just left of the red quad
    EXPECT_TRUE(Near(PixelX(0.5f), PixelY(0.5f), {0, 255, 0}, 40));
    EXPECT_TRUE(Near(PixelX(0.74f), PixelY(0.74f), kBlue, 20));
    EXPECT_TRUE(Near(PixelX(-0.28f), PixelY(-0.28f), {0, 255, 255}));
    EXPECT_TRUE(Near(PixelX(0.0f), PixelY(0.0f), {255, 255, 0}));
    // Letters start at the position and run to the right, around its height.
    const float width = label->Get<Transform>()->scale.x;
    EXPECT_GT(BrightPixels(PixelX(0.2f), PixelY(-0.43f), PixelX(0.2f + width), PixelY(-0.72f)), 50);
    EXPECT_EQ(BrightPixels(PixelX(-0.2f), PixelY(-0.43f), PixelX(0.18f), PixelY(-0.72f)), 0);
}

TEST_F(SceneRendering, CameraPlacesTheWorldAndHudStaysOnScreen)
{
    // Size 2 on 640 x 480: 2.67 x 2 world units, centred on (10, 0).
    scene.AddCamera({10.0f, 0.0f}, 2.0f);
    Add({10.5f, 0.5f}, {1.0f, 0.0f, 0.0f, 1.0f});
    Sprite* hud = Add({-0.5f, -0.5f}, {0.0f, 1.0f, 0.0f, 1.0f});
    hud->onHud = true;
    graphics.DrawFrame(scene);
    EXPECT_TRUE(Near(PixelX(0.5f / (4.0f / 3.0f)), PixelY(0.5f), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelX(-0.5f), PixelY(-0.5f), {0, 255, 0}));
}

// A 16 x 16 image, clear but for a soft-edged block (full in its middle, half at
// its rim) at columns 5 to 10 and rows 4 to 9.
SurfacePtr BlockImage()
{
    SurfacePtr image(SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 32, SDL_PIXELFORMAT_RGBA32));
    SDL_FillRect(image.get(), nullptr, SDL_MapRGBA(image->format, 0, 0, 0, 0));
    SDL_Rect rim{5, 4, 6, 6}, middle{6, 5, 4, 4};
    SDL_FillRect(image.get(), &rim, SDL_MapRGBA(image->format, 255, 200, 0, 128));
    SDL_FillRect(image.get(), &middle, SDL_MapRGBA(image->format, 255, 200, 0, 255));
    return image;
}

TEST_F(SceneRendering, QuadTrimmedToItsImageDrawsTheSamePixelsAsTheWholeQuad)
{
    const SurfacePtr image = BlockImage();
    cTexture* block = NewTextureFromSurface(image.get());
    ASSERT_NE(block->cover.high, tvec2(1.0f)) << "the upload measures what shows";
    // Magnified and turned, so filtering reaches well beyond the block's texels.
    Sprite* sprite = Add({0.1f, -0.05f}, {1.0f, 1.0f, 1.0f, 1.0f});
    sprite->texture = block;
    sprite->owner->Get<Transform>()->scale = {1.6f, 1.6f};
    sprite->owner->Get<Transform>()->rotation = 0.4f;
    const auto draw = [&](const ImageCover& cover)
    {
        block->cover = cover;
        graphics.DrawFrame(scene);
        return ReadBack(0, 0, Width, Height);
    };
    const std::vector<std::uint8_t> trimmed = draw(block->cover);
    const std::vector<std::uint8_t> whole = draw(ImageCover{});
    int differing = 0, block_pixels = 0;
    for (std::size_t i = 0; i < whole.size(); i += 4)
    {
        bool differs = false;
        for (std::size_t c = 0; c < 3; ++c)
            differs = differs || std::abs(int(whole[i + c]) - int(trimmed[i + c])) > 1;
        differing += differs ? 1 : 0;
        block_pixels += whole[i] > 200 && whole[i + 2] < 100 ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(block_pixels, 2000); // the block shows, large
    ReleaseTexture(block);
}

// The white default texture is opaque: only a tint with alpha 1 draws it unblended.
TEST_F(SceneRendering, OpaqueImageWithATranslucentTintStillBlends)
{
    ASSERT_TRUE(GetTexture("Default")->cover.opaque);
    Sprite* sprite = Add({0.0f, 0.0f}, {1.0f, 0.0f, 0.0f, 0.5f});
    graphics.DrawFrame(scene);
    EXPECT_TRUE(Near(PixelX(0.0f), PixelY(0.0f), {153, 38, 102}));
    sprite->owner->Get<Color>()->color.a = 1.0f;
    graphics.DrawFrame(scene);
    EXPECT_TRUE(Near(PixelX(0.0f), PixelY(0.0f), {255, 0, 0}));
    EXPECT_TRUE(glIsEnabled(GL_BLEND)); // for what is drawn after the run
}

// Pixels of that colour within a few pixels of the device point.
int OverlayAround(float x, float y, std::array<int, 3> colour)
{
    return GlWindow::PixelsNear(PixelX(x) - 3, PixelY(y) - 3, PixelX(x) + 4, PixelY(y) + 4, colour, 20);
}

const std::array<int, 3> kYellow{255, 255, 0}, kDark{26, 26, 26};

TEST_F(SceneRendering, DebugDrawingAddsTheFrameCounterVelocitiesAndColliderBounds)
{
    const int x0 = PixelX(-0.95f), x1 = PixelX(-0.75f), y0 = PixelY(-0.85f), y1 = PixelY(-0.99f);
    // A camera of size 4 on 640 x 480: world x / (8 / 3), y / 2 in device units.
    scene.AddCamera({0.0f, 0.0f}, 4.0f);
    Entity* crate = scene.AddPlaced("Crate", {-1.6f, 0.0f}, {0.8f, 0.8f});
    crate->Add<RigidBody>();
    crate->Add<BoxCollider>();
    crate->InitComponents();
    Entity* ball = scene.AddPlaced("Ball", {1.6f, -0.6f});
    ball->Add<RigidBody>()->velocity = {0.0f, 1.2f};

    graphics.DrawFrame(scene);
    EXPECT_EQ(BrightPixels(x0, y0, x1, y1), 0);
    EXPECT_EQ(OverlayAround(-0.75f, 0.0f, kYellow), 0);
    EXPECT_EQ(OverlayAround(0.6f, 0.0f, kDark), 0);
    graphics.debugDraw = true;
    graphics.DrawFrame(scene);
    EXPECT_GT(BrightPixels(x0, y0, x1, y1), 10);
    // The crate's box spans x -2 .. -1.2 and y -0.4 .. 0.4.
    EXPECT_GT(OverlayAround(-0.75f, 0.0f, kYellow), 0);  // its left side
    EXPECT_GT(OverlayAround(-0.6f, 0.2f, kYellow), 0);   // its top
    EXPECT_EQ(OverlayAround(-0.6f, 0.0f, kYellow), 0);   // its middle stays clear
    // The ball's second of travel: a line from y -0.6 up to 0.6 at x 1.6.
    EXPECT_GT(OverlayAround(0.6f, 0.0f, kDark), 0);
    EXPECT_EQ(OverlayAround(0.6f, 0.45f, kDark), 0);
}
} // namespace
} // namespace Orvex
