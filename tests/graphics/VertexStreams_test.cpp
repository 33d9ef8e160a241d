#include "graphics/VertexStreams.h"

#include <gtest/gtest.h>

namespace Orvex
{
namespace
{
using Attr = ShaderProgram::Attribute;

QuadValues SampleQuad()
{
    return QuadValues{{0.1f, 0.2f, 0.3f, 0.4f}, {5.0f, -6.0f}, 0.75f, {2.0f, 3.0f}, {0.5f, -0.25f}};
}

// Whole or trimmed, a corner lies where its texture coordinate lay on the whole
// quad: row 0 at the top (y = 0.5), u = 0 at the left (x = -0.5).
TEST(VertexStreams, CornersTrimmedToTheCoverKeepTheirTextureCoordinatesPlace)
{
    const ImageCover covers[] = {ImageCover{}, ImageCover{{0.25f, 0.125f}, {0.5f, 1.0f}, false}};
    for (const ImageCover& cover : covers)
    {
        VertexStreams streams;
        streams.AppendQuad(SampleQuad());
        streams.AppendQuad(SampleQuad());
        streams.FillCorners(cover);
        const auto& corners = streams[Attr::Corner];
        const auto& uv = streams[Attr::TexCoord];
        ASSERT_EQ(corners.size(), 36u);
        ASSERT_EQ(uv.size(), 24u);
        for (unsigned v = 0; v < 12; ++v)
        {
            const bool top = v % 6 == 0 || v % 6 == 3 || v % 6 == 4;
            const bool left = v % 6 < 2 || v % 6 == 4;
            EXPECT_FLOAT_EQ(uv[v * 2], left ? cover.low.x : cover.high.x) << v;
            EXPECT_FLOAT_EQ(uv[v * 2 + 1], top ? cover.low.y : cover.high.y) << v;
            EXPECT_FLOAT_EQ(corners[v * 3], uv[v * 2] - 0.5f) << v;
            EXPECT_FLOAT_EQ(corners[v * 3 + 1], 0.5f - uv[v * 2 + 1]) << v;
            EXPECT_FLOAT_EQ(corners[v * 3 + 2], 1.0f);
        }
    }
}

TEST(VertexStreams, OpaqueOnlyWhileEveryTintHasAlphaOne)
{
    VertexStreams streams;
    EXPECT_TRUE(streams.Opaque());
    QuadValues quad = SampleQuad();
    quad.colour.a = 1.0f;
    streams.AppendQuad(quad);
    streams.AppendQuad(quad);
    EXPECT_TRUE(streams.Opaque());
    quad.colour.a = 0.99f;
    streams.AppendQuad(quad);
    EXPECT_FALSE(streams.Opaque());
}
} // namespace
} // namespace Orvex
