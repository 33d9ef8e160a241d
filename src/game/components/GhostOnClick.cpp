#include "game/components/GhostOnClick.h"

#include "engine/PlayerSettings.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(GhostOnClick)

ORVEX_MEMBERS(GhostOnClick) {}

void GhostOnClick::Init()
{
    ClickButton::Init();
    ShowSetting();
}

void GhostOnClick::OnClick()
{
    PlayerSettings::StoreGhostShown(!PlayerSettings::GhostShown());
    ShowSetting();
}

void GhostOnClick::ShowSetting()
{
    if (SpriteText* text = owner->Get<SpriteText>())
        text->text = PlayerSettings::GhostShown() ? "Ghost: on" : "Ghost: off";
}
} // namespace Orvex
