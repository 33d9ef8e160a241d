#include "game/components/MakeVisibleAfterTime.h"

#include "graphics/SpriteText.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(MakeVisibleAfterTime)

ORVEX_MEMBERS(MakeVisibleAfterTime)
{
    ORVEX_FIELD(time, "Time");
}

void MakeVisibleAfterTime::Update(float dt)
{
    time -= dt;
    if (time > 0.0f)
        return;
    if (SpriteText* text = owner->Get<SpriteText>())
        text->visible = true;
    owner->RemoveComponent("MakeVisibleAfterTime"); // this is destroyed here
}
} // namespace Orvex
