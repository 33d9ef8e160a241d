#include "graphics/GraphicsManager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include <GL/glew.h>
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include "GlWindow.h"
#include "data/Deserializer.h"
#include "engine/AssetPaths.h"
#include "graphics/SurfacePtr.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
struct Rgba
{
    unsigned char r, g, b, a;
};

// The texture's level 0 as RGBA bytes, row 0 first.
std::vector<Rgba> Pixels(const cTexture& texture)
{
    std::vector<Rgba> pixels(static_cast<std::size_t>(texture.width) * texture.height);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The drawing tests' window and engine; every test starts the graphics anew, so
// that it sees what the start prints.
class GraphicsResources : public GlWindow
{
protected:
    void SetUp() override
    {
        GlWindow::SetUp();
        if (IsSkipped())
            return;
        SetAssetConfig(nullptr);
        ShutdownGraphics();
        ASSERT_EQ(IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG), IMG_INIT_JPG | IMG_INIT_PNG);
        ASSERT_EQ(TTF_Init(), 0);
        testing::internal::CaptureStdout();
        const std::string error = ErrorOf(InitGraphics);
        startOutput = testing::internal::GetCapturedStdout();
        ASSERT_EQ(error, "no error");
    }
    void TearDown() override
    {
        SetAssetConfig(nullptr);
        for (const std::string& path : written)
            std::remove(path.c_str());
    }

    // Saves an image into the textures folder under name + extension.
    void SaveImage(SDL_Surface* image, const std::string& name, const std::string& extension)
    {
        const std::string path = AssetFolder("Textures") + name + extension;
        written.push_back(path);
        const int saved = extension == ".jpg" ? IMG_SaveJPG(image, path.c_str(), 90)
                                              : IMG_SavePNG(image, path.c_str());
        ASSERT_EQ(saved, 0) << IMG_GetError();
    }

    std::string startOutput;
    std::vector<std::string> written;
};

// Textures and fonts are cached by name; the white default texture is drawn
// wherever a sprite shows its tint.
TEST_F(GraphicsResources, TexturesAndFontsAreCachedByName)
{
    cTexture* texture = GetDefaultTexture();
    EXPECT_EQ(GetTexture("Default"), texture);
    EXPECT_EQ(TextureName(texture), "Default");
    TTF_Font* font = GetFont("DejaVuSans");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetFont("DejaVuSans"), font);
    EXPECT_EQ(FontName(font), "DejaVuSans");
}

// A paletted PNG is converted to its colours; a JPEG is found when the
// configured file is missing.
TEST_F(GraphicsResources, PalettedAndJpegImagesAreUploadedAsTheirColours)
{
    const SurfacePtr image(SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 8, SDL_PIXELFORMAT_INDEX8));
    const SDL_Color colours[] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {10, 20, 30, 255}};
    SDL_SetPaletteColors(image->format->palette, colours, 0, 4);
    auto* indices = static_cast<unsigned char*>(image->pixels);
    indices[0] = 0;
    indices[1] = 1;
    indices[image->pitch] = 2;
    indices[image->pitch + 1] = 3;
    SaveImage(image.get(), "__gl_paletted", ".png");
    const SurfacePtr reloaded(IMG_Load((AssetFolder("Textures") + "__gl_paletted.png").c_str()));
    ASSERT_NE(reloaded->format->palette, nullptr) << "the image must come back paletted";
    const std::vector<Rgba> pixels = Pixels(*GetTexture("__gl_paletted"));
    ASSERT_EQ(pixels.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
    {
        EXPECT_EQ(pixels[i].r, colours[i].r) << i;
        EXPECT_EQ(pixels[i].g, colours[i].g) << i;
        EXPECT_EQ(pixels[i].b, colours[i].b) << i;
        EXPECT_EQ(pixels[i].a, 255) << i;
    }

    const SurfacePtr photo(SDL_CreateRGBSurfaceWithFormat(0, 8, 4, 24, SDL_PIXELFORMAT_RGB24));
    SDL_FillRect(photo.get(), nullptr, SDL_MapRGB(photo->format, 200, 100, 50));
    SaveImage(photo.get(), "__gl_photo", ".jpg");
    const cTexture* texture = GetTexture("__gl_photo");
    EXPECT_EQ(texture->width, 8);
    EXPECT_EQ(texture->height, 4);
    EXPECT_NEAR(Pixels(*texture)[0].r, 200, 8);
}

TEST_F(GraphicsResources, MissingOrUnreadableImagesAndFontsThrow)
{
    const std::string broken = AssetFolder("Textures") + "__gl_broken.png";
    written.push_back(broken);
    std::ofstream(broken) << "not an image";
    const SurfacePtr deep(SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 16, SDL_PIXELFORMAT_RGB565));
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] { GetTexture("__gl_absent"); }, "GraphicsManager: given texture does not exist: __gl_absent"},
        {[] { GetTexture("__gl_broken"); }, "GraphicsManager: Given image could not be loaded: __gl_broken"},
        {[&] { CreateTextureFromSurface(deep.get()); }, "Unsupported Pixel format: SDL_PIXELFORMAT_RGB565"},
        {[] { GetFont("__gl_absent"); }, "Font could not be loaded: __gl_absent"},
    };
    for (const auto& [action, error] : cases)
        EXPECT_EQ(ErrorOf(action), error);
}

// An outline widens the text by twice its width and shows black around the glyphs.
TEST_F(GraphicsResources, TextRendersWhiteGlyphsOnClearGroundAndAnOutlineAroundThem)
{
    TTF_Font* font = GetFont("DejaVuSans");
    EXPECT_EQ(RenderText("", font, 0), nullptr);
    cTexture* text = RenderText("Hi", font, 0);
    ASSERT_NE(text, nullptr);
    EXPECT_GT(text->height, FontPointSize / 2);
    const std::vector<Rgba> pixels = Pixels(*text);
    EXPECT_EQ(pixels[0].a, 0); // the corner lies outside every glyph
    bool glyph = false;
    for (const Rgba& pixel : pixels)
        glyph = glyph || (pixel.a == 255 && pixel.r == 255 && pixel.g == 255 && pixel.b == 255);
    EXPECT_TRUE(glyph);
    EXPECT_EQ(TextureName(text), ""); // the caller's, not the cache's

    cTexture* outlined = RenderText("Hi", font, 3);
    EXPECT_EQ(outlined->width, text->width + 6);
    EXPECT_EQ(outlined->height, text->height + 6);
    EXPECT_EQ(TTF_GetFontOutline(font), 0);
    bool dark = false;
    for (const Rgba& pixel : Pixels(*outlined))
        dark = dark || (pixel.a > 128 && pixel.r < 64);
    EXPECT_TRUE(dark);
    ReleaseTexture(text);
    ReleaseTexture(outlined);
}

// Started again without its shader sources, the start reports them and goes on.
TEST_F(GraphicsResources, StartBuildsTheProgramShutdownReleasesItAndMissingShadersAreReported)
{
    EXPECT_EQ(startOutput, "Vertex Shader Compiled Successfuly\nFragment Shader Compiled Successfuly\n"
                           "Shader Program Linked Successfully\n");
    const ShaderProgram& shader = GetShaderProgram();
    EXPECT_TRUE(glIsVertexArray(shader.vertexArray));
    for (unsigned buffer : shader.buffers)
        EXPECT_TRUE(glIsBuffer(buffer));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    ASSERT_TRUE(glIsProgram(shader.program));
    const unsigned texture = GetDefaultTexture()->name;
    const unsigned program = GetShaderProgram().program;
    ShutdownGraphics();
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_FALSE(glIsProgram(program));
    EXPECT_EQ(GetShaderProgram().program, 0u);
    ASSERT_EQ(TTF_Init(), 0);
    Deserializer config;
    Deserializer& shaders = config.AddChild("Shaders");
    shaders.SetValue("PATH", "./__gl_no_shaders/");
    shaders.SetValue("EXT", ".glsl");
    SetAssetConfig(&config);
    testing::internal::CaptureStdout();
    InitGraphics();
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("ERROR. Failed open file: ./__gl_no_shaders/BasicVertex.glsl\n"
                          "No shader code has been generated.\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("Vertex Compilation Failed\n"), std::string::npos) << output;
    EXPECT_NE(output.find("Shader Program Linking Failed\n"), std::string::npos) << output;
}
} // namespace
} // namespace Orvex
