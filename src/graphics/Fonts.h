#pragma once
// Fonts by name, opened once at one point size and kept until graphics shut down,
// and strings rendered into textures with them.

#include <string>

#include <SDL_ttf.h>

#include "graphics/cTexture.h"

namespace Orvex
{
// Every font is opened at this size; text size on screen comes from the text's
// Transform scale.
constexpr int FontPointSize = 64;

// The cached font of that name, opened from AssetPath("Fonts", name) on first
// request. Throws "Font could not be loaded: " + name; nothing is cached then.
TTF_Font* GetFont(const std::string& name);
// The name a font was opened under; empty for one that is not in the cache.
std::string FontName(const TTF_Font* font);

// The text (UTF-8) in white, anti-aliased, as a new texture the caller owns and
// frees with ReleaseTexture; null for an empty text. outline: pixels, 0 for none
// (negative counts as 0). With an outline the white glyphs lie on a black
// rendering widened by that outline, outline pixels in from its top-left corner,
// so the image grows by 2 * outline both ways. Throws
// "Text couldn't be rendered: " + text.
cTexture* RenderText(const std::string& text, TTF_Font* font, int outline);

// Closes every cached font and empties the cache.
void ShutdownFonts();
} // namespace Orvex
