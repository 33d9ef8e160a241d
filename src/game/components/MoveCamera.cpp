#include "game/components/MoveCamera.h"

#include "actions/Action.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(MoveCamera)

ORVEX_MEMBERS(MoveCamera)
{
    ORVEX_FIELD(position, "Position");
    ORVEX_FIELD(sound, "Sound");
}

void MoveCamera::OnClick()
{
    IGamestate* state = Engine::Get()->ActiveGamestate();
    Entity* camera = state ? state->CameraEntity() : nullptr;
    Transform* transform = camera ? camera->Get<Transform>() : nullptr;
    if (transform)
        AddAction(*camera, &transform->position, position, glideTime, QuadOut);
    sound.Play(false, 1.0f, 0.0f);
}
} // namespace Orvex
