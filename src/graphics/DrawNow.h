#pragma once
// Quads drawn at once, outside the frame's sort: what must lie on top of
// everything drawn so far (the level clocks, the frame counter).

#include <string>

#include <SDL_ttf.h>

#include "graphics/VertexStreams.h"

namespace Orvex
{
class SpriteText;
struct cTexture;

// One quad with the texture: in screen space when onHud, else
// through the active state's camera with parallax (1, 1).
void DrawQuadNow(const cTexture& texture, bool onHud, const QuadValues& quad);
// The text rendered with the font into a temporary texture and drawn on the HUD,
// starting at position (device units), its x scale divided by the window aspect.
// An empty text draws nothing.
void DrawTextNow(const std::string& text, TTF_Font* font, tvec2 position, float rotation,
                 tvec2 scale, const tvec4& colour);
// The text's current texture, placed as the graphics system places it (its
// Transform, alignment, Color and aspect scaling).
void DrawSpriteTextNow(const SpriteText& text);
} // namespace Orvex
