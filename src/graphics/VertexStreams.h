#pragma once
// The CPU side of the sprite vertex format: one float stream per attribute of
// ShaderProgram (the layout lives there alone), six vertices a quad.
//
// An object writes its quads into its own streams (no corner, texture coordinate
// or view columns: corners and texture coordinates are the same for every quad of
// a texture, trimmed to its cover, and the view depends on where the object is
// drawn); the batch of a run appends the objects' streams, adds the view columns
// per object and generates corners and texture coordinates once before the upload.
// Streams are emptied, not freed, so their storage is reused frame after frame.
// Rejected: one interleaved vertex array, which would make every append a
// strided copy and the batch concatenation no longer a plain insert.

#include <array>
#include <cstddef>
#include <vector>

#include "engine/Math.h"
#include "graphics/ImageCover.h"
#include "graphics/ShaderProgram.h"

namespace Orvex
{
// What repeats on the six vertices of one quad.
struct QuadValues
{
    tvec4 colour{1.0f, 1.0f, 1.0f, 1.0f}; // tint r, g, b, a, 0 to 1
    tvec2 position{0.0f, 0.0f};           // world units (device units on the HUD)
    float rotation = 0.0f;                // radians, counter-clockwise
    tvec2 scale{1.0f, 1.0f};              // quad size in position units
    tvec2 offset{0.0f, 0.0f};             // local units, before scaling
};

class VertexStreams
{
public:
    using Stream = std::vector<float>;

    // Empties every stream, keeping its storage.
    void Clear();
    // Vertices held (six a quad).
    std::size_t VertexCount() const;
    std::size_t QuadCount() const { return VertexCount() / ShaderProgram::VerticesPerQuad; }

    // Appends one quad's per-object attributes.
    void AppendQuad(const QuadValues& quad);
    // Appends the per-object attributes of every vertex of object, and the view
    // matrix columns for each of them.
    void AppendWithView(const VertexStreams& object, const tmat3& view);
    // Fills the corner and texture-coordinate streams for the quads held, each
    // quad trimmed to the cover of the texture they are drawn with (batches only).
    void FillCorners(const ImageCover& cover);
    // Every quad's tint has alpha 1 (so has an empty stream).
    bool Opaque() const;

    const Stream& operator[](ShaderProgram::Attribute attribute) const { return streams[attribute]; }

private:
    // Appends the attribute's values once for each of that many vertices.
    template <ShaderProgram::Attribute A> void Repeat(const float* values, std::size_t vertices);

    std::array<Stream, ShaderProgram::AttributeCount> streams; // by attribute location
};
} // namespace Orvex
