#pragma once
// A real window with an OpenGL context and the engine's graphics, for tests that
// draw and read the pixels back. Needs a display (Xvfb with Mesa's software GL
// in the test script); without one every test of the fixture is skipped.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <SDL.h>

#include "engine/Engine.h"
#include "engine/Window.h"
#include "graphics/GraphicsManager.h"
#include "memory/MemoryManager.h"

namespace Orvex
{
class GlWindow : public ::testing::Test
{
public:
    static constexpr int Width = 640;  // pixels
    static constexpr int Height = 480; // pixels

    static void SetUpTestSuite()
    {
        if (!std::getenv("DISPLAY"))
        {
            Reason() = "no display";
            return;
        }
        engine = New<Engine>();
        try
        {
            SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
            Window::InitWindow();
            InitGraphics();
            Window::ResizeWindow(Width, Height);
            Reason().clear();
        }
        catch (const std::string& error)
        {
            Reason() = error;
        }
    }

    static void TearDownTestSuite()
    {
        if (!engine)
            return;
        engine->Shutdown();
        Delete(engine);
        engine = nullptr;
    }

    // The back buffer's RGBA bytes of the rectangle at (x, y) from the bottom left.
    static std::vector<std::uint8_t> ReadBack(int x, int y, int width, int height)
    {
        std::vector<std::uint8_t> rgba(std::size_t(width) * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    // Red, green, blue, alpha of the back buffer at (x, y), pixels from the top left.
    static std::array<int, 4> Pixel(int x, int y)
    {
        const std::vector<std::uint8_t> rgba = ReadBack(x, Height - 1 - y, 1, 1);
        return {rgba[0], rgba[1], rgba[2], rgba[3]};
    }

    // Pixel (x, y) is within tolerance of the colour (0 to 255 each) in r, g, b.
    static ::testing::AssertionResult Near(int x, int y, std::array<int, 3> rgb, int tolerance = 12)
    {
        const std::array<int, 4> p = Pixel(x, y);
        if (Within(p, rgb, tolerance))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << p[0] << ","
                                             << p[1] << "," << p[2] << " not " << rgb[0] << ","
                                             << rgb[1] << "," << rgb[2];
    }

    static bool Within(const std::array<int, 4>& p, const std::array<int, 3>& rgb, int tolerance)
    {
        for (int i = 0; i < 3; ++i)
            if (std::abs(p[i] - rgb[i]) > tolerance)
                return false;
        return true;
    }

    // Pixels of the rectangle [x0, x1) x [y0, y1) for which test(pixel) holds.
    template <class Test> static int CountPixels(int x0, int y0, int x1, int y1, Test test)
    {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += test(Pixel(x, y)) ? 1 : 0;
        return count;
    }

    // Pixels of the rectangle whose red, green and blue all exceed 200.
    static int BrightPixels(int x0, int y0, int x1, int y1)
    {
        return CountPixels(x0, y0, x1, y1, [](const std::array<int, 4>& p)
                           { return p[0] > 200 && p[1] > 200 && p[2] > 200; });
    }

    // Pixels of the rectangle within tolerance of the colour (0 to 255 each) in r, g, b.
    static int PixelsNear(int x0, int y0, int x1, int y1, std::array<int, 3> rgb, int tolerance = 12)
    {
        return CountPixels(x0, y0, x1, y1, [&](const std::array<int, 4>& p)
                           { return Within(p, rgb, tolerance); });
    }

protected:
    void SetUp() override
    {
        if (!Reason().empty())
            GTEST_SKIP() << "No OpenGL window: " << Reason();
    }

    static std::string& Reason()
    {
        static std::string reason = "not set up";
        return reason;
    }
    static inline Engine* engine = nullptr;
};
} // namespace Orvex
