#pragma once
// A string rendered with a font into a texture the text owns, re-rendered when
// the string or its outline changes. The quad's width follows the rendered
// image, so the text is never stretched and "Scale" y alone sets its height.
//
// On the HUD, whose two device axes span the window's width and height alike,
// that width is divided by the window's aspect as well, so HUD text keeps its
// proportions at every window shape; the Transform's model matrix shapes the
// text the same way, so picking hits the letters as drawn.

#include <string>

#include <SDL_ttf.h>

#include "graphics/GraphicsObject.h"

namespace Orvex
{
class SpriteText : public GraphicsObject
{
    ORVEX_COMPONENT(SpriteText)

    enum Alignment : int
    {
        Left = 0,   // starts at the position
        Centre = 1, // centred on it
        Right = 2,  // ends at it
    };
    // The font used when none is given.
    static constexpr const char* DefaultFont = "DejaVuSans";

    SpriteText() = default;
    // Releases the rendered texture.
    ~SpriteText() override;

    // Needs a Transform and a Color; takes the default font, turns an empty text
    // into " " and renders it.
    void Init() override;
    // Re-renders after a change of text or outline, then fits the Transform's x
    // scale to the rendered image: scale.x = scale.y * width / height.
    void Update(float dt) override;
    // Places the quad by the current alignment, which may change after Init.
    void PrepareFrame(const CullView* cull, float aspect) override;
    // On the HUD always; in the world when aspectScaling asks for it.
    bool ScalesByAspect() const override { return onHud || aspectScaling; }

    std::string text;       // "Text": UTF-8
    TTF_Font* font = nullptr; // "Font": from the font cache, not owned
    int outline = 0;        // "Outline": pixels, 0 for none
    int align = Left;       // "Align": an Alignment; other values centre

    std::string renderedText; // what the texture shows
    int renderedOutline = 0;  // pixels, the outline the texture was rendered with

private:
    void Render();
};

// The local quad offset of a text with that alignment: x 0.5 for left, -0.5 for
// right, 0 otherwise; y -0.25, so that the position sits near the middle of the
// letters rather than of the image.
tvec2 TextOffset(int align);
} // namespace Orvex
