#pragma once
// A front-end screen: a fixed list of systems and one level, both given by the
// derived state. Its content (texts, pictures, buttons) is the level's data.

#include "engine/IGamestate.h"
#include "game/states/MenuFocus.h"

#include <string>
#include <vector>

namespace Orvex
{
class ScreenState : public IGamestate
{
public:
    void Init() override;
    // Every component, the focus, then the screen's own keys.
    void Update(float dt) override;
    void Shutdown() override {}

protected:
    ScreenState(std::vector<std::string> systemNames, std::string level, bool showCursor);
    virtual void AfterComponents([[maybe_unused]] float dt) {}
    // Escape or a gamepad's B (or its Start, when asked) went down this frame:
    // back to the state below.
    void PopOnBack(bool alsoOnStart = false);

private:
    std::vector<std::string> systemNames; // update order
    std::string level;
    MenuFocus focus;
};
} // namespace Orvex
