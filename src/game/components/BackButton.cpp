#include "game/components/BackButton.h"

#include "game/components/ClickButton.h"
#include "graphics/CameraView.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(BackButton)

ORVEX_MEMBERS(BackButton) {}

bool PressButtons(Entity& entity)
{
    bool pressed = false;
    for (IComponent* component : entity.components)
        if (auto* button = dynamic_cast<ClickButton*>(component))
        {
            button->Press();
            pressed = true;
        }
    return pressed;
}

void BackButton::Update(float)
{
    const Transform* transform = owner->Get<Transform>();
    if (Input::BackWentDown() && transform && InActiveView(transform->position) &&
        !ActiveCameraMoving())
        PressButtons(*owner);
}
} // namespace Orvex
