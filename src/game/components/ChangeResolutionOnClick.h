#pragma once
// A button of the options screen that asks for one window size; a display too
// small for it gets the display's own size instead.

#include "game/components/ClickButton.h"

namespace Orvex
{
class ChangeResolutionOnClick : public ClickButton
{
    ORVEX_COMPONENT(ChangeResolutionOnClick)

public:
    // Marks the button chosen (its ExpandOnMouseOver) while the windowed size is
    // the one it asks for.
    void Update(float dt) override;

protected:
    // Resizes the window (windowed only) to the size chosen for display 0, centred
    // on it, and keeps the size in the player's settings; when the display's
    // bounds cannot be read the requested size is used.
    void OnClick() override;

public:
    int width = 0;  // "Width": pixels
    int height = 0; // "Height": pixels
};

struct PixelSize
{
    int width;
    int height;
};

// The requested size when the display holds it in both directions, otherwise
// the display's full size.
PixelSize ChosenResolution(PixelSize requested, PixelSize display);
} // namespace Orvex
