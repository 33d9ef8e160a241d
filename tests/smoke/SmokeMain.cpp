// The real frame loop with a real window: a start state that clears the screen
// to one colour for a few frames and then pops itself. The run must end with
// exit code 0, and the screenshot it was asked for must hold that colour.

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <SDL.h>
#include <SDL_image.h>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/ProcessEntry.h"
#include "engine/RunOptions.h"
#include "engine/Window.h"
#include "object/Reflection.h"

namespace Orvex
{
namespace
{
constexpr float clearColor[3] = {0.2f, 0.4f, 0.6f};
constexpr int framesShown = 5;
bool poppedItself = false;
} // namespace

class SmokeGS : public IGamestate
{
    ORVEX_GAMESTATE(SmokeGS)
    SmokeGS() : IGamestate(true, true) {}

    void Init() override
    {
        // The shipped window configuration starts windowed, with the limiter on.
        if (!Engine::Get()->FrameLimiter() || !Window::VSync() || Window::Fullscreen())
            throw std::string("The window did not start windowed with the frame limiter on");
    }
    void Update(float) override
    {
        // As the graphics system does: present the last frame, then draw this one.
        Window::SwapBuffers();
        glClearColor(clearColor[0], clearColor[1], clearColor[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        if (++frames == framesShown)
            Engine::Get()->PopGamestates(1);
    }
    void Shutdown() override { poppedItself = frames == framesShown; }

    int frames = 0;
};
ORVEX_REGISTER_GAMESTATE(SmokeGS)

namespace
{
// 0 when the centre pixel of the PNG at path is the clear colour.
int CheckScreenshot(const std::string& path)
{
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> loaded(IMG_Load(path.c_str()), SDL_FreeSurface);
    if (!loaded)
    {
        std::fprintf(stderr, "smoke: no screenshot at %s: %s\n", path.c_str(), IMG_GetError());
        return 1;
    }
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> image(
        SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
    const auto* pixel = static_cast<const unsigned char*>(image->pixels) + (image->h / 2) * image->pitch +
                        (image->w / 2) * 4;
    for (int channel = 0; channel < 3; ++channel)
        if (std::abs(pixel[channel] - std::lround(clearColor[channel] * 255.0f)) > 1)
        {
            std::fprintf(stderr, "smoke: screenshot pixel %d,%d,%d is not the clear colour\n", pixel[0],
                         pixel[1], pixel[2]);
            return 1;
        }
    return 0;
}
} // namespace
} // namespace Orvex

int main(int argc, char** argv)
{
    const int code = Orvex::RunProcess(argc, argv, "SmokeGS");
    if (code != 0)
        return code;
    if (!Orvex::poppedItself)
    {
        std::fputs("smoke: the start state did not end the run by popping itself\n", stderr);
        return 1;
    }
    const Orvex::RunOptions options =
        Orvex::ParseRunOptions(std::vector<std::string>(argv + 1, argv + argc), "SmokeGS");
    return options.screenshotPath.empty() ? 0 : Orvex::CheckScreenshot(options.screenshotPath);
}
