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

TEST(VertexStreams, TextureRowZeroIsAtTheTopCorners)
{
    VertexStreams streams;
    streams.AppendQuad(SampleQuad());
    streams.FillCorners();
    const auto& corners = streams[Attr::Corner];
    const auto& uv = streams[Attr::TexCoord];
    ASSERT_EQ(corners.size(), 18u);
    ASSERT_EQ(uv.size(), 12u);
    for (unsigned v = 0; v < 6; ++v)
    {
        // Top corners (y = 0.5) take v = 0, bottom ones v = 1; left u = 0.
        EXPECT_FLOAT_EQ(uv[v * 2 + 1], corners[v * 3 + 1] > 0.0f ? 0.0f : 1.0f);
        EXPECT_FLOAT_EQ(uv[v * 2], corners[v * 3] < 0.0f ? 0.0f : 1.0f);
        EXPECT_FLOAT_EQ(corners[v * 3 + 2], 1.0f);
    }
}

} // namespace
} // namespace Orvex
