#pragma once
// A button that fades the screen to black through a curtain entity (a black
// sprite hidden until then) and pushes its state once the curtain is closed.

#include <string>

#include "game/components/ClickButton.h"

namespace Orvex
{
class FadePushGSOnClick : public ClickButton
{
    ORVEX_COMPONENT(FadePushGSOnClick)

    // While fading: the curtain's alpha follows timer / fadeTime; past fadeTime
    // the state is pushed and the curtain hidden and cleared again.
    void Update(float dt) override;

protected:
    // Starts the fade and shows the curtain. Without a curtain entity the push
    // still comes after the fade time.
    void OnClick() override;

public:
    static constexpr float fadeTime = 1.5f; // seconds to black

    std::string gamestate; // "Gamestate": registered name of the state to push
    std::string fadeName;  // "fadeName": the curtain entity in the active state

    float timer = 0.0f; // seconds into the fade
    bool fading = false;

private:
    void ShowCurtain(bool shown, float alpha) const;
};
} // namespace Orvex
