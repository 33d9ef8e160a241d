#pragma once
// Collects the streams of one run of quads and draws them with one call through
// the shared shader program.

#include "engine/Math.h"
#include "graphics/VertexStreams.h"

namespace Orvex
{
struct cTexture;

class SpriteBatch
{
public:
    // Adds an object's quads, each vertex with the view matrix it is drawn by.
    void Append(const VertexStreams& object, const tmat3& view);
    // Draws what was appended with the texture in one call, each quad trimmed to
    // the texture's cover, and empties the batch. An empty batch, or graphics not
    // started, draws nothing.
    void Flush(const cTexture& texture);
    // Whether what was appended is drawn blended with the texture: unless the
    // texture is opaque and every quad's tint has alpha 1.
    bool Blends(const cTexture& texture) const;
    // Draw calls made since the last ResetDrawCalls.
    unsigned DrawCalls() const { return drawCalls; }
    void ResetDrawCalls() { drawCalls = 0; }
    const VertexStreams& Streams() const { return streams; }

private:
    VertexStreams streams;
    unsigned drawCalls = 0;
};

// True once the shader program and its vertex state exist (a GL context is current).
bool GraphicsReady();
} // namespace Orvex
