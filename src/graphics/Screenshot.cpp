#include "graphics/Screenshot.h"

#include <cstring>
#include <memory>
#include <vector>

#include <GL/glew.h>
#include <SDL.h>
#include <SDL_image.h>

#include "engine/Window.h"

namespace Orvex
{
void SaveScreenshot(const std::string& path)
{
    const int width = Window::Width();
    const int height = Window::Height();
    if (!Window::Exists() || width <= 0 || height <= 0)
        throw "Could not write the screenshot " + path + ": there is no window";
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());

    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32),
        SDL_FreeSurface);
    if (!surface)
        throw "Could not write the screenshot " + path + ": " + SDL_GetError();
    // GL rows run bottom-up, image rows top-down.
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int row = 0; row < height; ++row)
        std::memcpy(static_cast<unsigned char*>(surface->pixels) + row * surface->pitch,
                    pixels.data() + (height - 1 - row) * rowBytes, rowBytes);
    if (IMG_SavePNG(surface.get(), path.c_str()) != 0)
        throw "Could not write the screenshot " + path + ": " + IMG_GetError();
}
} // namespace Orvex
