#include "game/components/LoadLevelOnCollision.h"

#include "audio/SoundEmitter.h"
#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "game/components/TumboController.h"
#include "messaging/Message.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(LoadLevelOnCollision)

ORVEX_MEMBERS(LoadLevelOnCollision) { ORVEX_FIELD(levelName, "LevelName"); }

void LoadLevelOnCollision::Init() { Subscribe(MSG_COLLISION, &LoadLevelOnCollision::OnCollision); }

void LoadLevelOnCollision::OnCollision(const void* payload)
{
    const CollisionMessage& contact = *static_cast<const CollisionMessage*>(payload);
    if (!IsPlayer(contact.Other))
        return;
    Engine& engine = *Engine::Get();
    engine.SendMessage(MSG_END_LEVEL);
    if (IGamestate* state = engine.ActiveGamestate())
        if (LevelSettings* settings = LevelSettingsOf(*state))
            settings->nextLevel = levelName;
    SoundEmitter* emitter = owner->Get<SoundEmitter>();
    if (emitter && !sounded)
    {
        sounded = true;
        emitter->Play();
    }
}
} // namespace Orvex
