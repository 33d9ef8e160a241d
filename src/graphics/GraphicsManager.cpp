#include "graphics/GraphicsManager.h"

#include <GL/glew.h>
#include <SDL_image.h>

namespace Orvex
{
namespace
{
ShaderProgram shader;

std::string GlText(GLenum name)
{
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text ? text : "nothing";
}

// Without this check a missing context or an old driver only shows later, as a
// call through a null entry point.
void StartFunctionLoader()
{
    glewExperimental = GL_TRUE;
    const GLenum result = glewInit();
    // A context SDL made through EGL has no GLX display; the GL functions load all
    // the same, and only GLX's own extensions are missing.
    if (result != GLEW_OK && result != GLEW_ERROR_NO_GLX_DISPLAY)
        throw "GraphicsManager: OpenGL functions could not be loaded: " +
            std::string(reinterpret_cast<const char*>(glewGetErrorString(result)));
    if (!GLEW_VERSION_3_3)
        throw "GraphicsManager: OpenGL 3.3 is required, the context offers " + GlText(GL_VERSION);
}
} // namespace

void InitGraphics()
{
    StartFunctionLoader();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DestroyShaderProgram(shader); // a second start replaces the program, not leaks it
    shader = BuildShaderProgram();
}

void ShutdownGraphics()
{
    ShutdownTextures();
    ShutdownFonts();
    DestroyShaderProgram(shader);
    TTF_Quit();
    IMG_Quit();
}

const ShaderProgram& GetShaderProgram()
{
    return shader;
}
} // namespace Orvex
