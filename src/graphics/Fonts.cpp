#include "graphics/Fonts.h"

#include <unordered_map>

#include "engine/AssetPaths.h"
#include "graphics/CacheName.h"
#include "graphics/SurfacePtr.h"
#include "graphics/Textures.h"

namespace Orvex
{
namespace
{
std::unordered_map<std::string, TTF_Font*> cache;

SurfacePtr Render(const std::string& text, TTF_Font* font, SDL_Color colour)
{
    return SurfacePtr(TTF_RenderUTF8_Blended(font, text.c_str(), colour));
}

SurfacePtr Checked(SurfacePtr image, const std::string& text)
{
    if (!image)
        throw "Text couldn't be rendered: " + text;
    return image;
}

// The text in black with the font outlined by outline pixels, the white
// rendering laid over it outline pixels in from the top-left corner.
SurfacePtr Outlined(SurfacePtr white, const std::string& text, TTF_Font* font, int outline)
{
    const int previous = TTF_GetFontOutline(font);
    TTF_SetFontOutline(font, outline);
    SurfacePtr black = Render(text, font, SDL_Color{0, 0, 0, 0});
    TTF_SetFontOutline(font, previous);
    black = Checked(std::move(black), text);
    SDL_Rect at{outline, outline, 0, 0};
    SDL_BlitSurface(white.get(), nullptr, black.get(), &at);
    return black;
}
} // namespace

TTF_Font* GetFont(const std::string& name)
{
    const auto found = cache.find(name);
    if (found != cache.end())
        return found->second;
    TTF_Font* font = TTF_OpenFont(AssetPath("Fonts", name).c_str(), FontPointSize);
    if (!font)
        throw "Font could not be loaded: " + name;
    cache.emplace(name, font);
    return font;
}

std::string FontName(const TTF_Font* font)
{
    return CacheName(cache, font);
}

cTexture* RenderText(const std::string& text, TTF_Font* font, int outline)
{
    if (text.empty())
        return nullptr;
    SurfacePtr image = Checked(Render(text, font, SDL_Color{255, 255, 255, 255}), text);
    if (outline > 0)
        image = Outlined(std::move(image), text, font, outline);
    return NewTextureFromSurface(image.get());
}

void ShutdownFonts()
{
    for (const auto& entry : cache)
        TTF_CloseFont(entry.second);
    cache.clear();
}
} // namespace Orvex
