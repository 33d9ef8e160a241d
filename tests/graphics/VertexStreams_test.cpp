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

TEST(VertexStreams, QuadHasSixVerticesWithItsValuesOnEach)
{
    VertexStreams streams;
    streams.AppendQuad(SampleQuad());
    ASSERT_EQ(streams.VertexCount(), 6u);
    EXPECT_EQ(streams.QuadCount(), 1u);
    for (unsigned v = 0; v < 6; ++v)
    {
        EXPECT_FLOAT_EQ(streams[Attr::Colour][v * 4 + 3], 0.4f);
        EXPECT_FLOAT_EQ(streams[Attr::Position][v * 2 + 1], -6.0f);
        EXPECT_FLOAT_EQ(streams[Attr::Rotation][v], 0.75f);
        EXPECT_FLOAT_EQ(streams[Attr::Scale][v * 2], 2.0f);
        EXPECT_FLOAT_EQ(streams[Attr::Offset][v * 2 + 1], -0.25f);
    }
    // The object carries neither corners nor view columns.
    EXPECT_TRUE(streams[Attr::Corner].empty());
    EXPECT_TRUE(streams[Attr::View0].empty());
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

TEST(VertexStreams, BatchAddsTheViewColumnsOfEachObject)
{
    VertexStreams first;
    VertexStreams second;
    first.AppendQuad(SampleQuad());
    second.AppendQuad(SampleQuad());
    second.AppendQuad(SampleQuad());
    tmat3 view(1.0f);
    view[2] = glm::vec3(7.0f, 8.0f, 1.0f);

    VertexStreams batch;
    batch.AppendWithView(first, tmat3(1.0f));
    batch.AppendWithView(second, view);
    batch.FillCorners();
    ASSERT_EQ(batch.VertexCount(), 18u);
    for (unsigned a = 0; a < ShaderProgram::AttributeCount; ++a)
        EXPECT_EQ(batch[static_cast<Attr>(a)].size(), 18u * ShaderProgram::Components[a]) << a;
    EXPECT_FLOAT_EQ(batch[Attr::View2][0], 0.0f);
    EXPECT_FLOAT_EQ(batch[Attr::View2][6 * 3], 7.0f);
    EXPECT_FLOAT_EQ(batch[Attr::View2][17 * 3 + 1], 8.0f);
}

} // namespace
} // namespace Orvex
