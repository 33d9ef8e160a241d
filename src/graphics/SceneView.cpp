#include "graphics/SceneView.h"

#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsObject.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
SceneView::SceneView(const IGamestate& state)
{
    const Entity* entity = state.CameraEntity();
    camera = entity ? entity->Get<Camera>() : nullptr;
    if (!camera)
        return;
    const Transform* transform = entity->Get<Transform>();
    const tvec2 position = transform ? transform->position : tvec2(0.0f);
    const float rotation = transform ? transform->rotation : 0.0f;
    cull = MakeCullView(position, rotation, camera->Extent(), camera->cullMargin);
}

tmat3 SceneView::ViewFor(const GraphicsObject& object) const
{
    return ViewFor(object.onHud, object.parallax);
}

tmat3 SceneView::WorldView(bool onHud) const { return ViewFor(onHud, tvec2(1.0f)); }

tmat3 SceneView::ViewFor(bool onHud, tvec2 parallax) const
{
    if (onHud || !camera)
        return tmat3(1.0f);
    return camera->GetViewMatrix(parallax.x, parallax.y);
}
} // namespace Orvex
