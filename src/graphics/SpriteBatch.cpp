#include "graphics/SpriteBatch.h"

#include <GL/glew.h>

#include "graphics/GraphicsManager.h"
#include "graphics/cTexture.h"

namespace Orvex
{
namespace
{
void Upload(const ShaderProgram& shader, const VertexStreams& streams)
{
    for (unsigned i = 0; i < ShaderProgram::AttributeCount; ++i)
    {
        const VertexStreams::Stream& stream = streams[static_cast<ShaderProgram::Attribute>(i)];
        glBindBuffer(GL_ARRAY_BUFFER, shader.buffers[i]);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(stream.size() * sizeof(float)),
                     stream.data(), GL_DYNAMIC_DRAW);
    }
}
} // namespace

bool GraphicsReady() { return GetShaderProgram().vertexArray != 0; }

void SpriteBatch::Append(const VertexStreams& object, const tmat3& view)
{
    streams.AppendWithView(object, view);
}

bool SpriteBatch::Blends(const cTexture& texture) const
{
    return !texture.cover.opaque || !streams.Opaque();
}

void SpriteBatch::Flush(const cTexture& texture)
{
    const std::size_t vertices = streams.VertexCount();
    if (vertices == 0 || !GraphicsReady())
    {
        streams.Clear();
        return;
    }
    const ShaderProgram& shader = GetShaderProgram();
    glUseProgram(shader.program);
    glBindVertexArray(shader.vertexArray);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    streams.FillCorners(texture.cover);
    Upload(shader, streams);
    // Every pixel is drawn as it is where every sample has alpha 1: blending
    // would only read the screen back to weigh it by 0.
    const bool blends = Blends(texture);
    if (!blends)
        glDisable(GL_BLEND);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices));
    if (!blends)
        glEnable(GL_BLEND);
    ++drawCalls;
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
    glUseProgram(0);
    streams.Clear();
}
} // namespace Orvex
