#pragma once
// How one frame of a game state is viewed: its camera's view matrices and the
// rectangle used for culling. A state without a camera (an intro, a menu built
// on the HUD) is drawn with the identity view, so world units are device units,
// and nothing is culled.

#include "engine/Math.h"
#include "graphics/ViewCulling.h"

namespace Orvex
{
class Camera;
class GraphicsObject;
class IGamestate;

class SceneView
{
public:
    // The state's camera entity, when it has one carrying a Camera.
    explicit SceneView(const IGamestate& state);

    // The culling rectangle for objects that are not on the HUD; null without a camera.
    const CullView* Cull() const { return camera ? &cull : nullptr; }
    // The view an object is drawn with: identity on the HUD or without a camera,
    // else the camera's view for the object's parallax.
    tmat3 ViewFor(const GraphicsObject& object) const;
    // The view of the world itself (parallax (1, 1)); identity on the HUD.
    tmat3 WorldView(bool onHud = false) const;

private:
    tmat3 ViewFor(bool onHud, tvec2 parallax) const;

    const Camera* camera = nullptr;
    CullView cull;
};
} // namespace Orvex
