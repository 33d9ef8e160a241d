#include "game/components/ClickButton.h"

#include "graphics/CameraView.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/ColliderQueries.h"

namespace Orvex
{
void ClickButton::Init()
{
    Subscribe(MSG_MOUSEBUTTONDOWN, &ClickButton::OnMouseDown);
}

void ClickButton::OnMouseDown(const void*)
{
    if (CursorInside(*owner))
        OnClick();
}

bool CursorInside(const Entity& entity)
{
    return PointInCollider(MouseWorldPosition(), entity);
}
} // namespace Orvex
