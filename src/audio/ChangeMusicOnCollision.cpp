#include "audio/ChangeMusicOnCollision.h"

#include "audio/SoundEmitter.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ChangeMusicOnCollision)

ORVEX_MEMBERS(ChangeMusicOnCollision) { ORVEX_FIELD(music, "Music"); }

namespace
{
// The player is whoever carries the game's controller; looked up by its fixed id,
// as the engine knows no game classes.
bool IsPlayer(const Entity* entity)
{
    static const unsigned controller = TypeRegistry::ListedId("TumboController", MetaKind::Component);
    return entity && entity->Get(controller);
}

SoundEmitter* LevelMusic()
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    Entity* settings = state ? state->LevelSettingsEntity() : nullptr;
    return settings ? settings->Get<SoundEmitter>() : nullptr;
}
} // namespace

void ChangeMusicOnCollision::Init() { Subscribe(MSG_COLLISION, &ChangeMusicOnCollision::OnCollision); }

void ChangeMusicOnCollision::OnCollision(const void* payload)
{
    const auto& contact = *static_cast<const CollisionMessage*>(payload);
    SoundEmitter* emitter = LevelMusic();
    if (!IsPlayer(contact.Other) || !emitter)
        return;
    emitter->Silence();
    emitter->sound.SetName(music.name);
    emitter->Play();
}
} // namespace Orvex
