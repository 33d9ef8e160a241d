#pragma once
// How the level editor's own camera looks around: arrow keys move it half a view
// per second, Ctrl with the wheel or Up / Down zooms, the middle button drags the
// world along. The editor says each frame whether the mouse and the keys are the
// scene's (not over or typing into one of its windows).

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class LevelEditorCameraController : public IComponent
{
    ORVEX_COMPONENT(LevelEditorCameraController)

    // Zoom stays within these Sizes, however far the wheel turns.
    static constexpr float MinSize = 0.1f; // world units
    static constexpr float MaxSize = 10000.0f;

    // Needs a Camera.
    void Init() override;
    void Update(float dt) override;

    float zoomSpeed = 1.2f; // "ZoomSpeed": Size factor per zoom step; 1 or less does not zoom

    bool mouseInScene = true; // set by the editor every frame
    bool keysInScene = true;

private:
    void Move(float dt);
    void Zoom();
    void Grab();

    bool grabbing = false;
    tvec2 grabbed{0.0f, 0.0f}; // world point under the cursor when the middle button went down
};
} // namespace Orvex
