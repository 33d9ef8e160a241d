#include "game/components/CreateOnClick.h"

#include "data/Level.h"
#include "engine/IGamestate.h"
#include "graphics/CameraView.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CreateOnClick)

ORVEX_MEMBERS(CreateOnClick)
{
    ORVEX_FIELD(archetype, "Archetype");
}

void CreateOnClick::Init() { Subscribe(MSG_MOUSEBUTTONDOWN, &CreateOnClick::OnMouseDown); }

void CreateOnClick::OnMouseDown(const void*)
{
    IGamestate* state = ActiveState();
    if (!state)
        return;
    Entity* created = CreateFromArchetype("", archetype);
    if (Transform* transform = created->Get<Transform>())
        transform->position = MouseWorldPosition();
    state->AddEntity(created);
}
} // namespace Orvex
