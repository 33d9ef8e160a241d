#pragma once
// The opening screens: "Intro" for 4 s, "Intro2" until 8 s, then the menu. Any
// key or mouse button skips to the menu at once. When the menu is popped the
// intro pops itself, which ends the program.

#include "game/states/ScreenState.h"
#include "object/Reflection.h"

namespace Orvex
{
class IntroGS : public ScreenState
{
    ORVEX_GAMESTATE(IntroGS)

public:
    IntroGS();
    void Resume() override;

    static constexpr float secondScreenAt = 4.0f; // seconds
    static constexpr float menuAt = 8.0f;         // seconds

private:
    void AfterComponents(float dt) override;

    float elapsed = 0.0f; // seconds since the intro began; never reset
    bool secondScreen = false;
};
} // namespace Orvex
