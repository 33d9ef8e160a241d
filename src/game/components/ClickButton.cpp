#include "game/components/ClickButton.h"

#include "messaging/Message.h"
#include "object/Entity.h"

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
} // namespace Orvex
