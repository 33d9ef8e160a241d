#pragma once
// The one shader program all sprite drawing goes through, with its vertex-array
// object and one buffer per vertex attribute.
//
// The vertex shader places every corner itself from per-vertex attributes, so the
// program has no uniforms but the sampler on texture unit 0. Attributes are
// separate, tightly packed float streams rather than one interleaved buffer: the
// batcher appends each object's streams as they are.

#include <string>

namespace Orvex
{
struct ShaderProgram
{
    // Attribute locations, as the vertex shader "BasicVertex" reads them.
    enum Attribute : unsigned
    {
        Corner = 0,   // quad corner, local units (x, y, 1)
        TexCoord = 1, // (u, v), row 0 at the image's top
        Colour = 2,   // tint (r, g, b, a), 0 to 1
        Position = 3, // object position, world units
        Rotation = 4, // radians, counter-clockwise
        Scale = 5,    // object scale
        Offset = 6,   // local offset before scaling
        View0 = 7,    // view matrix, first column
        View1 = 8,    // second column
        View2 = 9,    // third column
        AttributeCount = 10,
    };
    // Floats per vertex of each attribute, by location.
    static constexpr int Components[AttributeCount] = {3, 2, 4, 2, 1, 2, 2, 3, 3, 3};
    static constexpr int VerticesPerQuad = 6;

    unsigned buffers[AttributeCount] = {}; // OpenGL buffer names, by attribute location
    unsigned program = 0;                  // linked program name; 0 before it is built
    unsigned vertexArray = 0;              // vertex-array object name
};

// Compiles folder + "BasicVertex" + ext and folder + "TextureFragment" + ext of
// the "Shaders" assets, links them, and makes the vertex-array object and the ten
// buffers (room for one quad each, GL_DYNAMIC_DRAW). Results and failures are
// written to standard output; a failed compile or link still returns the program
// (it then draws nothing). A missing file counts as an empty source.
ShaderProgram BuildShaderProgram();
// Deletes the program, the vertex-array object and the buffers; a program never
// built is left alone (no GL call).
void DestroyShaderProgram(ShaderProgram& shader);
// The whole text, every line ended by a line feed. A file that cannot be opened
// writes "ERROR. Failed open file: " + path and "No shader code has been
// generated." to standard output and gives an empty text.
std::string ReadShaderSource(const std::string& path);
} // namespace Orvex
