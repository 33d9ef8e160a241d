#include "graphics/VertexStreams.h"

#include <algorithm>

namespace Orvex
{
namespace
{
using Attr = ShaderProgram::Attribute;
constexpr std::size_t QuadVertices = ShaderProgram::VerticesPerQuad;

// Two triangles of a unit square centred on the origin, as (x, y, 1) and the
// texture coordinate of each corner (image row 0 at v = 0, the top).
constexpr float Corners[QuadVertices][3] = {{-0.5f, 0.5f, 1.0f}, {-0.5f, -0.5f, 1.0f},
                                            {0.5f, -0.5f, 1.0f}, {0.5f, 0.5f, 1.0f},
                                            {-0.5f, 0.5f, 1.0f}, {0.5f, -0.5f, 1.0f}};
constexpr float TexCoords[QuadVertices][2] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f},
                                              {1.0f, 0.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}};

// The attributes an object's own streams carry.
constexpr Attr ObjectAttributes[] = {Attr::TexCoord, Attr::Colour,  Attr::Position,
                                     Attr::Rotation, Attr::Scale,   Attr::Offset};
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
    Stream& texCoords = streams[Attr::TexCoord];
    texCoords.insert(texCoords.end(), &TexCoords[0][0], &TexCoords[0][0] + 2 * QuadVertices);
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

void VertexStreams::FillCorners()
{
    Stream& corners = streams[Attr::Corner];
    corners.clear();
    for (std::size_t quad = 0; quad < QuadCount(); ++quad)
        corners.insert(corners.end(), &Corners[0][0], &Corners[0][0] + 3 * QuadVertices);
}
} // namespace Orvex
