#include "graphics/VertexStreams.h"

#include <algorithm>

namespace Orvex
{
namespace
{
using Attr = ShaderProgram::Attribute;
constexpr std::size_t QuadVertices = ShaderProgram::VerticesPerQuad;

// Two triangles of a unit square centred on the origin, as the share of the
// image's width and height each corner lies at: (0, 0) is the image's top left.
constexpr float Corners[QuadVertices][2] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f},
                                            {1.0f, 0.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}};

// The attributes an object's own streams carry.
constexpr Attr ObjectAttributes[] = {Attr::Colour, Attr::Position, Attr::Rotation,
                                     Attr::Scale,  Attr::Offset};
} // namespace

void VertexStreams::Clear()
{
    for (Stream& stream : streams)
        stream.clear();
}

std::size_t VertexStreams::VertexCount() const
{
    return streams[Attr::Position].size() / ShaderProgram::Components[Attr::Position];
}

template <Attr A> void VertexStreams::Repeat(const float* values, std::size_t vertices)
{
    // The component count is known here, so each copy is a few moves; an insert
    // or a copy of run-time length per vertex cost more than the copying itself.
    constexpr auto components = static_cast<std::size_t>(ShaderProgram::Components[A]);
    Stream& stream = streams[A];
    const std::size_t start = stream.size();
    stream.resize(start + components * vertices);
    for (std::size_t vertex = 0; vertex < vertices; ++vertex)
        std::copy_n(values, components, stream.data() + start + vertex * components);
}

void VertexStreams::AppendQuad(const QuadValues& quad)
{
    Repeat<Attr::Colour>(&quad.colour.x, QuadVertices);
    Repeat<Attr::Position>(&quad.position.x, QuadVertices);
    Repeat<Attr::Rotation>(&quad.rotation, QuadVertices);
    Repeat<Attr::Scale>(&quad.scale.x, QuadVertices);
    Repeat<Attr::Offset>(&quad.offset.x, QuadVertices);
}

void VertexStreams::AppendWithView(const VertexStreams& object, const tmat3& view)
{
    for (Attr attribute : ObjectAttributes)
        streams[attribute].insert(streams[attribute].end(), object.streams[attribute].begin(),
                                  object.streams[attribute].end());
    const std::size_t vertices = object.VertexCount();
    Repeat<Attr::View0>(&view[0].x, vertices);
    Repeat<Attr::View1>(&view[1].x, vertices);
    Repeat<Attr::View2>(&view[2].x, vertices);
}

void VertexStreams::FillCorners(const ImageCover& cover)
{
    // A texture coordinate (u, v) lies at (u - 0.5, 0.5 - v) on the unit quad, so
    // the trimmed quad keeps every point where it was on the whole one.
    float corners[QuadVertices][3];
    float texCoords[QuadVertices][2];
    for (std::size_t vertex = 0; vertex < QuadVertices; ++vertex)
    {
        const tvec2 uv = glm::mix(cover.low, cover.high, tvec2(Corners[vertex][0], Corners[vertex][1]));
        texCoords[vertex][0] = uv.x;
        texCoords[vertex][1] = uv.y;
        corners[vertex][0] = uv.x - 0.5f;
        corners[vertex][1] = 0.5f - uv.y;
        corners[vertex][2] = 1.0f;
    }
    Stream& cornerStream = streams[Attr::Corner];
    Stream& texCoordStream = streams[Attr::TexCoord];
    cornerStream.clear();
    texCoordStream.clear();
    for (std::size_t quad = 0; quad < QuadCount(); ++quad)
    {
        cornerStream.insert(cornerStream.end(), &corners[0][0], &corners[0][0] + 3 * QuadVertices);
        texCoordStream.insert(texCoordStream.end(), &texCoords[0][0], &texCoords[0][0] + 2 * QuadVertices);
    }
}

bool VertexStreams::Opaque() const
{
    const Stream& colours = streams[Attr::Colour];
    constexpr std::size_t quadFloats = ShaderProgram::Components[Attr::Colour] * QuadVertices;
    for (std::size_t alpha = 3; alpha < colours.size(); alpha += quadFloats)
        if (colours[alpha] < 1.0f)
            return false;
    return true;
}
} // namespace Orvex
