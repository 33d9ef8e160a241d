#include "graphics/UpdateSpriteTextSystem.h"

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(UpdateSpriteTextSystem)

void UpdateSpriteTextSystem::Update(float dt)
{
    IGamestate* state = Engine::Get() ? Engine::Get()->ActiveGamestate() : nullptr;
    if (!state)
        return;
    for (const auto& entry : state->Entities())
        if (SpriteText* text = entry.second->Get<SpriteText>())
            text->Update(dt);
}
} // namespace Orvex
