#pragma once
// The process-wide owner of graphics resources: the OpenGL function loader and
// blending, the one shader program with its vertex buffers, and the texture and
// font caches (Textures.h, Fonts.h).
//
//   window and GL 3.3 context exist -> InitGraphics -> drawing, GetTexture,
//   GetFont, RenderText ... -> ShutdownGraphics
//
// The image and font libraries are started by the engine before any of this.

#include "graphics/Fonts.h"
#include "graphics/ShaderProgram.h"
#include "graphics/Textures.h"

namespace Orvex
{
// Starts the OpenGL function loader for the current context, turns on alpha
// blending (source alpha, one minus source alpha) and builds the shader program
// and its vertex state. Throws "GraphicsManager: OpenGL functions could not be
// loaded: " + the loader's reason when there is no usable context, and
// "GraphicsManager: OpenGL 3.3 is required, the context offers " + its version
// when the context is older; nothing is built then.
void InitGraphics();
// Releases every cached texture and font and the shader program, then shuts
// down the font and image libraries.
void ShutdownGraphics();
// The program, vertex-array object and buffers all drawing shares; all zero
// before InitGraphics and after ShutdownGraphics.
const ShaderProgram& GetShaderProgram();
} // namespace Orvex
