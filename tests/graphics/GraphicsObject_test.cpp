#include "graphics/GraphicsObject.h"

#include <gtest/gtest.h>

#include "TestScene.h"

namespace Orvex
{
namespace
{
using Attr = ShaderProgram::Attribute;

cTexture plain{1, 4, 4};

TEST(SpriteQuad, TakesTheEntitysColourAndTransform)
{
    TestScene scene;
    Sprite* sprite = scene.AddSprite("box", {2.0f, 3.0f}, &plain);
    sprite->owner->Get<Color>()->color = {1.0f, 0.0f, 0.5f, 0.25f};
    sprite->owner->Get<Transform>()->rotation = 0.5f;
    sprite->offset = {0.5f, 0.0f};
    sprite->PrepareFrame(nullptr, 1.0f);
    sprite->PrepareFrame(nullptr, 1.0f); // rebuilt every frame, not accumulated
    ASSERT_EQ(sprite->streams.QuadCount(), 1u);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Colour][2], 0.5f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Position][1], 3.0f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Rotation][5], 0.5f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Offset][0], 0.5f);
}

TEST(SpriteQuad, WithoutColorIsWhiteAndWithoutTransformIsNothing)
{
    TestScene scene;
    Entity* bare = New<Entity>("bare");
    scene.AddEntity(bare);
    Sprite* sprite = bare->Add<Sprite>();
    sprite->PrepareFrame(nullptr, 1.0f);
    EXPECT_EQ(sprite->streams.VertexCount(), 0u);
    bare->Add<Transform>();
    sprite->PrepareFrame(nullptr, 1.0f);
    ASSERT_EQ(sprite->streams.QuadCount(), 1u);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Colour][0], 1.0f);
}

TEST(AspectScaling, DividesTheXScaleByTheAspect)
{
    TestScene scene;
    Sprite* sprite = scene.AddSprite("title", {0.0f, 0.0f}, &plain);
    sprite->owner->Get<Transform>()->scale = {0.8f, 0.4f};
    sprite->aspectScaling = true;
    sprite->PrepareFrame(nullptr, 2.0f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Scale][0], 0.4f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Scale][1], 0.4f);
    // On screen: 0.4 device units of 1280 pixels against 0.4 of 640 at aspect 2,
    // the same pixels both ways as 0.8 by 0.4 units were meant on a square window.
    sprite->aspectScaling = false;
    sprite->PrepareFrame(nullptr, 2.0f);
    EXPECT_FLOAT_EQ(sprite->streams[Attr::Scale][0], 0.8f);
    sprite->aspectScaling = true;
    EXPECT_EQ(sprite->DrawnScale({3.0f, 1.0f}, 0.0f), tvec2(3.0f, 1.0f)); // unknown aspect
}

} // namespace
} // namespace Orvex
