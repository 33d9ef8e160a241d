#include "graphics/CursorHit.h"

#include "graphics/CameraView.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/ColliderQueries.h"

namespace Orvex
{
bool CursorInside(const Entity& entity) { return PointInCollider(MouseWorldPosition(), entity); }

bool CursorOverSolid(const Entity& entity)
{
    const bool drawn = entity.Get<Sprite>() || entity.Get<SpriteText>();
    const BaseCollider* collider = entity.collider;
    return drawn && collider && !collider->ghost && CursorInside(entity);
}
} // namespace Orvex
